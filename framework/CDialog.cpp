#include "framework/CDialog.h"

#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "framework/ExceptionReport.h"

const MessageMap* CDialog::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        // The dialog manager sends WM_INITDIALOG to the window; its result
        // says whether the manager is to set the focus.
        {WM_INITDIALOG, [](CWnd& w, WPARAM, LPARAM, LRESULT& r) { r = static_cast<CDialog&>(w).OnInitDialog(); }},
    };
    static const MessageMap map{CWnd::GetThisMessageMap(), entries};
    return &map;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

HWND CDialog::FindOwner() const
{
    HWND hWnd = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (hWnd == nullptr) {
        CWnd* pMainWnd = AfxGetMainWnd();
        hWnd = (pMainWnd != nullptr && pMainWnd != this) ? pMainWnd->m_hWnd : nullptr;
    }
    if (hWnd != nullptr)
        hWnd = ::GetAncestor(hWnd, GA_ROOT);
    return hWnd;
}

HWND CDialog::CreateFromTemplate(HWND hWndOwner)
{
    if (m_hWnd != nullptr)
        return nullptr;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceA(hInst, MAKEINTRESOURCEA(m_nIDTemplate), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const auto* pTemplate = static_cast<LPCDLGTEMPLATEW>(hTemplate != nullptr ? ::LockResource(hTemplate) : nullptr);
    if (pTemplate == nullptr)
        return nullptr;
    m_bEndModal = false;
    m_nModalResult = -1;
    // A Unicode dialog, so that its controls are Unicode windows too.
    return CreateBound([&] {
        return ::CreateDialogIndirectParamW(hInst, pTemplate, hWndOwner, &CDialog::DialogProc, 0);
    });
}

INT_PTR CDialog::DoModal()
{
    m_nModalResult = -1;
    HWND hWndOwner = FindOwner();
    // Disabled before creation, so the new dialog becomes the active window
    // and the owner takes no input while the dialog runs.
    const bool bEnableOwner = hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner);
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, FALSE);

    HWND hWnd = CreateFromTemplate(hWndOwner);
    if (hWnd != nullptr && hWnd == m_hWnd) {
        if (!m_bEndModal && !IsWindowVisible())
            ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }

    // Hide first and enable the owner before destroying, so activation goes
    // back to the owner and not to some other program.
    if (m_hWnd != nullptr)
        ::SetWindowPos(
            m_hWnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != nullptr && m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    // The Unicode calls throughout: the ANSI ones would turn typed
    // characters into the system's code page and back.
    MSG msg{};
    while (!m_bEndModal && m_hWnd != nullptr) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT: leave, and put it back for the loops outside.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (CWnd::WalkPreTranslateTree(&msg))
            continue;
        if (m_hWnd != nullptr && ::IsDialogMessageW(m_hWnd, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEndModal = true;
    // Wakes the loop if it is waiting for a message.
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

BOOL CDialog::UpdateData()
{
    CDataExchange dx(this);
    try {
        DoDataExchange(&dx);
    } catch (...) {
        ReportCurrentException(m_hWnd);
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog()
{
    // Binds the controls named in DoDataExchange and fills them.
    UpdateData();
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData())
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Commands proper (notification code 0) of the two standard buttons.
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        default:
            break;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}
