#include "framework/CWnd.h"

#include "framework/CDC.h"
#include "framework/CWinApp.h"
#include "framework/ExceptionReport.h"
#include "framework/GbkText.h"

#include <memory>
#include <unordered_map>

namespace {

// Window handle -> object. "Permanent" objects are bound to their window
// (subclassed); "temporary" ones only wrap a handle that FromHandle was
// asked about. A temporary object holds nothing but the handle value, so an
// entry whose window has gone (and whose handle may be reused) is harmless.
struct HandleMaps {
    std::unordered_map<HWND, CWnd*> permanent;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary; // destroyed first
};

HandleMaps& Maps()
{
    static HandleMaps maps;
    return maps;
}

// Creation hook state. Everything runs on the one GUI thread.
HHOOK g_hCbtHook = nullptr;
int g_nCreationDepth = 0;
CWnd* g_pWndInit = nullptr;

// Input-method windows may be created by the system inside the first
// CreateWindowEx of a thread; they are not the window being created.
bool IsImeWindow(HWND hWnd)
{
    char className[32] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    return lstrcmpiA(className, "IME") == 0 || lstrcmpiA(className, "MSCTFIME UI") == 0;
}

} // namespace

LRESULT MessageMapDetail::CallWithDC(HDC hDC, void* self, LRESULT (*call)(void* self, CDC* pDC))
{
    CDC dc = CDC::FromHandle(hDC);
    return call(self, &dc);
}

const MessageMap* CWnd::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        {WM_COMMAND, [](CWnd& w, WPARAM wp, LPARAM lp, LRESULT& r) { r = w.OnCommand(wp, lp) ? 0 : w.Default(); }},
    };
    static const MessageMap map{nullptr, entries};
    return &map;
}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);
        // A window of another thread cannot be destroyed from here; never
        // leave the map pointing at a dead object.
        if (m_hWnd != nullptr)
            UnbindHandle();
    }
}

// ---------------------------------------------------------------------------
// Handle map

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto& map = Maps().permanent;
    auto it = map.find(hWnd);
    return it != map.end() ? it->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    auto& slot = Maps().temporary[hWnd];
    if (!slot) {
        slot = std::make_unique<CWnd>();
        slot->m_hWnd = hWnd;
    }
    return slot.get();
}

void CWnd::BindHandle(HWND hWnd)
{
    Maps().permanent[hWnd] = this;
    m_hWnd = hWnd;
    PreSubclassWindow();
    if (m_hWnd != hWnd)
        return; // PreSubclassWindow destroyed or unbound it
    // Set as a Unicode procedure: the window's texts then never pass through
    // the system's ANSI code page on their way to or from the platform.
    auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
    if (previous != &CWnd::StaticWindowProc)
        m_pfnSuper = previous;
}

void CWnd::UnbindHandle()
{
    if (m_hWnd == nullptr)
        return;
    if (m_pfnSuper != nullptr &&
        ::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc))
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    auto& map = Maps().permanent;
    auto it = map.find(m_hWnd);
    if (it != map.end() && it->second == this)
        map.erase(it);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (m_hWnd != nullptr || !::IsWindow(hWnd) || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    BindHandle(hWnd);
    return m_hWnd == hWnd;
}

// ---------------------------------------------------------------------------
// Creation

CWnd* CWnd::ArmCreationHook(CWnd* pWnd)
{
    if (g_nCreationDepth++ == 0)
        g_hCbtHook = ::SetWindowsHookExW(WH_CBT, &CWnd::CbtFilterHook, nullptr, ::GetCurrentThreadId());
    CWnd* previous = g_pWndInit;
    g_pWndInit = pWnd;
    return previous;
}

void CWnd::DisarmCreationHook(CWnd* pPrevious)
{
    g_pWndInit = pPrevious;
    if (--g_nCreationDepth == 0 && g_hCbtHook != nullptr) {
        ::UnhookWindowsHookEx(g_hCbtHook);
        g_hCbtHook = nullptr;
    }
}

LRESULT CALLBACK CWnd::CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && g_pWndInit != nullptr) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (!IsImeWindow(hWnd)) {
            // Only the first window of the call is ours: a dialog's template
            // controls are created after it and stay unbound.
            CWnd* pWnd = g_pWndInit;
            g_pWndInit = nullptr;
            try {
                pWnd->BindHandle(hWnd);
            } catch (...) {
                ReportCurrentException(nullptr);
            }
        }
    }
    return ::CallNextHookEx(g_hCbtHook, nCode, wParam, lParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu)
{
    if (m_hWnd != nullptr)
        return FALSE;
    const std::wstring className = WideFromGbk(lpszClassName);
    const std::wstring windowName = WideFromGbk(lpszWindowName);
    HWND hWnd = CreateBound([&] {
        return ::CreateWindowExW(
            dwExStyle,
            className.c_str(),
            lpszWindowName != nullptr ? windowName.c_str() : nullptr,
            dwStyle,
            x,
            y,
            nWidth,
            nHeight,
            hWndParent,
            nIDorHMenu,
            AfxGetInstanceHandle(),
            nullptr);
    });
    return hWnd != nullptr && m_hWnd == hWnd;
}

BOOL CWnd::Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0,
                    lpszClassName,
                    lpszWindowName,
                    dwStyle | WS_CHILD,
                    rect.left,
                    rect.top,
                    rect.right - rect.left,
                    rect.bottom - rect.top,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

// ---------------------------------------------------------------------------
// Dispatch

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);

    MSG current{};
    current.hwnd = hWnd;
    current.message = message;
    current.wParam = wParam;
    current.lParam = lParam;
    const MSG* saved = pWnd->m_pCurrentMsg;
    pWnd->m_pCurrentMsg = &current;

    LRESULT result = 0;
    if (message == WM_NCDESTROY) {
        // The last message: the original procedure sees it, then the object
        // lets go of the window and may clean up after it.
        try {
            result = pWnd->DefWindowProc(message, wParam, lParam);
        } catch (...) {
            ReportCurrentException(nullptr);
        }
        pWnd->m_pCurrentMsg = saved;
        pWnd->UnbindHandle();
        return result;
    }

    // The one place where exceptions from handlers stop: the message is
    // over, the user is told, and the program goes on.
    try {
        result = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        result = 0;
        ReportCurrentException(hWnd);
    }
    pWnd->m_pCurrentMsg = saved;
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (ReflectToChild(message, wParam, lParam, pResult))
        return TRUE;
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->pBaseMap) {
        if (const MessageEntry* entry = map->Find(message)) {
            entry->thunk(*this, wParam, lParam, *pResult);
            return TRUE;
        }
    }
    return FALSE;
}

// The program's owner-drawn controls are buttons; they draw themselves.
BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return FALSE;
    const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    CWnd* pChild = dis->CtlType != ODT_MENU ? FromHandlePermanent(dis->hwndItem) : nullptr;
    if (pChild == nullptr || pChild == this)
        return FALSE;
    return pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    if (m_pCurrentMsg == nullptr)
        return 0;
    return DefWindowProc(m_pCurrentMsg->message, m_pCurrentMsg->wParam, m_pCurrentMsg->lParam);
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(MSG* pMsg)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndStop = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        if (CWnd* pWnd = FromHandlePermanent(hWnd)) {
            try {
                if (pWnd->PreTranslateMessage(pMsg))
                    return TRUE;
            } catch (...) {
                ReportCurrentException(hWnd);
                return TRUE;
            }
        }
        if (hWnd == hWndStop || (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            break;
    }
    return FALSE;
}

// ---------------------------------------------------------------------------
// Base handlers: default processing of the current message.

void CWnd::OnMove(int, int) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
LRESULT CWnd::OnNcHitTest(POINT) { return Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }

// ---------------------------------------------------------------------------
// Window operations

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }

void CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd)
{
    const DWORD style = GetStyle();
    const DWORD newStyle = (style & ~dwRemove) | dwAdd;
    if (newStyle != style)
        ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(newStyle));
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

BOOL CWnd::SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, hWndInsertAfter, x, y, cx, cy, nFlags);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return SetWindowPos(pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }
int CWnd::SetWindowRgn(HRGN hRgn, BOOL bRedraw) { return ::SetWindowRgn(m_hWnd, hRgn, bRedraw); }

void CWnd::CenterWindow()
{
    // A hidden or minimised owner is no place to centre on.
    HWND hWndCenter = ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndCenter != nullptr && (!::IsWindowVisible(hWndCenter) || ::IsIconic(hWndCenter)))
        hWndCenter = nullptr;

    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    ::GetMonitorInfoA(::MonitorFromWindow(hWndCenter != nullptr ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    const RECT& rcArea = mi.rcWork;
    RECT rcCenter = rcArea;
    if (hWndCenter != nullptr)
        ::GetWindowRect(hWndCenter, &rcCenter);

    RECT rcDlg{};
    GetWindowRect(&rcDlg);
    const int width = rcDlg.right - rcDlg.left;
    const int height = rcDlg.bottom - rcDlg.top;
    int x = (rcCenter.left + rcCenter.right) / 2 - width / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - height / 2;
    if (x + width > rcArea.right)
        x = rcArea.right - width;
    if (x < rcArea.left)
        x = rcArea.left;
    if (y + height > rcArea.bottom)
        y = rcArea.bottom - height;
    if (y < rcArea.top)
        y = rcArea.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::GetClientRect(RECT* lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::GetWindowRect(RECT* lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
void CWnd::ClientToScreen(POINT* lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
void CWnd::ScreenToClient(POINT* lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }

void CWnd::SetWindowText(const char* lpszString) { ::SetWindowTextW(m_hWnd, WideFromGbk(lpszString).c_str()); }

namespace {

std::string WindowTextGbk(HWND hWnd)
{
    const int length = ::GetWindowTextLengthW(hWnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(hWnd, text.data(), length + 1);
    return GbkFromWide(text.c_str(), copied > 0 ? copied : 0);
}

} // namespace

void CWnd::GetWindowText(CString& rString) const { rString = CString(WindowTextGbk(m_hWnd)); }

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse) { return ::SetTimer(m_hWnd, nIDEvent, nElapse, nullptr); }

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
CWnd* CWnd::GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
CWnd* CWnd::WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }

void CWnd::InvalidateRect(const RECT* lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }

BOOL CWnd::RedrawWindow(const RECT* lpRectUpdate, HRGN hRgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hRgnUpdate, flags);
}

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}
