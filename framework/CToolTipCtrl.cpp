#include "framework/CToolTipCtrl.h"

#include "framework/GbkText.h"

#include <vector>

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    // With WS_POPUP the parent handle makes an owner, not a parent: the tip
    // floats above other windows instead of being clipped to the parent.
    return CreateEx(0, TOOLTIPS_CLASSA, nullptr, dwStyle | WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, nullptr);
}

// The tools are given in their Unicode form: the control converts the
// ANSI messages' texts from the system's code page.
TOOLINFOW CToolTipCtrl::MakeToolInfo(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    if (nIDTool == 0) {
        ti.hwnd = ::GetParent(pWnd->m_hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
    } else {
        ti.hwnd = pWnd->m_hWnd;
        ti.uId = nIDTool;
    }
    return ti;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const char* lpszText, const RECT* lpRectTool, UINT_PTR nIDTool)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return FALSE;
    TOOLINFOW ti = MakeToolInfo(pWnd, nIDTool);
    if (nIDTool != 0) {
        if (lpRectTool != nullptr)
            ti.rect = *lpRectTool;
        else
            ::GetClientRect(pWnd->m_hWnd, &ti.rect);
    }
    std::wstring text = WideFromGbk(lpszText);
    ti.lpszText = &text[0];
    return static_cast<BOOL>(::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOW ti = MakeToolInfo(pWnd, nIDTool);
    ::SendMessageW(m_hWnd, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(const char* lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOW ti = MakeToolInfo(pWnd, nIDTool);
    std::wstring text = WideFromGbk(lpszText);
    ti.lpszText = &text[0];
    ::SendMessageW(m_hWnd, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    // The control's texts are limited to 80 characters unless set by
    // callback; a generous buffer covers that.
    std::vector<wchar_t> buffer(1024, L'\0');
    TOOLINFOW ti = MakeToolInfo(pWnd, nIDTool);
    ti.lpszText = buffer.data();
    ::SendMessageW(m_hWnd, TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&ti));
    buffer.back() = L'\0';
    str = CString(GbkFromWide(buffer.data()));
}

int CToolTipCtrl::GetToolCount() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TTM_GETTOOLCOUNT, 0, 0));
}

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int nTime)
{
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, dwDuration, MAKELPARAM(nTime, 0));
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
    ::SendMessageA(m_hWnd, TTM_ACTIVATE, bActivate, 0);
}

void CToolTipCtrl::RelayEvent(MSG* pMsg)
{
    ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
}
