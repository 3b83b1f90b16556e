#include "framework/CToolTipCtrl.h"

#include "framework/GbkText.h"

namespace {

// The tools are given in their Unicode form: the control would convert the
// ANSI messages' texts from the system's code page.
LRESULT SendToolInfo(HWND hWndTip, UINT message, CWnd* pWnd, const char* lpszText)
{
    std::wstring text = WideFromGbk(lpszText);
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = ::GetParent(pWnd->m_hWnd);
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
    ti.lpszText = text.data();
    return ::SendMessageW(hWndTip, message, 0, reinterpret_cast<LPARAM>(&ti));
}

} // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    // With WS_POPUP the parent handle makes an owner, not a parent: the tip
    // floats above other windows instead of being clipped to the parent.
    return CreateEx(0,
                    TOOLTIPS_CLASSA,
                    nullptr,
                    dwStyle | WS_POPUP,
                    CW_USEDEFAULT,
                    CW_USEDEFAULT,
                    CW_USEDEFAULT,
                    CW_USEDEFAULT,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const char* lpszText)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return FALSE;
    return static_cast<BOOL>(SendToolInfo(m_hWnd, TTM_ADDTOOLW, pWnd, lpszText));
}

void CToolTipCtrl::UpdateTipText(const char* lpszText, CWnd* pWnd)
{
    SendToolInfo(m_hWnd, TTM_UPDATETIPTEXTW, pWnd, lpszText);
}
