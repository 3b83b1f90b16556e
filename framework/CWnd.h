#pragma once

#include "framework/CString.h"
#include "framework/MessageMap.h"

#include <windows.h>

// A window object bound to an HWND.
//
// Windows made through the framework (Create, CreateEx, dialogs) are bound
// while the platform creates them: a CBT hook, active only during the
// creation call, catches the new handle before its first message, enters it
// in the handle map, calls PreSubclassWindow and puts the framework's window
// procedure in front of the class's. Existing windows are bound with
// SubclassWindow (DDX_Control does this for dialog controls). From then on
// every message goes through WindowProc: the message tables from the most
// derived class down, then default processing (the procedure that was
// replaced). On WM_NCDESTROY the object lets go of the handle and leaves the
// handle map; the object itself lives on and can create a new window.
//
// Texts (names, window texts) are GBK at this interface whatever the
// system's code page; bound windows are Unicode windows and their texts go
// to and come from the platform as UTF-16 (see GbkText.h). Messages reach
// the handlers in their Unicode form.
class CWnd {
public:
    CWnd() = default;
    // Destroys the window if the object still has one.
    virtual ~CWnd();

    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The bound object of hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // The bound object of hWnd, else a wrapper object for it that the
    // framework keeps (it only holds the handle; it is never subclassed).
    static CWnd* FromHandle(HWND hWnd);

    // Creation. Create makes a child window (WS_CHILD is added) with the
    // control identifier nID.
    BOOL CreateEx(DWORD dwExStyle, const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu);
    BOOL Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID);
    BOOL DestroyWindow();

    // Binds an existing window to this object.
    BOOL SubclassWindow(HWND hWnd);

    // Styles. ModifyStyle removes, then adds style bits; the frame is not
    // recomputed.
    DWORD GetStyle() const;
    void ModifyStyle(DWORD dwRemove, DWORD dwAdd);

    // Placement.
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    // Centres the (top-level) window over its owner when that is visible and
    // not minimised, otherwise on the work area of its monitor; kept inside
    // the work area.
    void CenterWindow();
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw);

    // Rectangles and coordinates.
    void GetClientRect(RECT* lpRect) const;
    void GetWindowRect(RECT* lpRect) const;
    void ClientToScreen(POINT* lpPoint) const;
    void ScreenToClient(POINT* lpPoint) const;

    // Text, in GBK.
    void SetWindowText(const char* lpszString);
    void GetWindowText(CString& rString) const;

    // Timers, capture, focus.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    BOOL KillTimer(UINT_PTR nIDEvent);
    CWnd* SetCapture();
    static CWnd* GetCapture();
    CWnd* SetFocus();
    static CWnd* GetFocus();
    static CWnd* GetActiveWindow();
    static CWnd* GetDesktopWindow();
    static CWnd* WindowFromPoint(POINT point);

    // Painting.
    void InvalidateRect(const RECT* lpRect, BOOL bErase = TRUE);
    BOOL RedrawWindow(const RECT* lpRectUpdate = nullptr, HRGN hRgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    // Relations.
    CWnd* GetParent() const;
    int GetDlgCtrlID() const;

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Offered each message taken from the queue before it is dispatched (see
    // WalkPreTranslateTree); TRUE consumes it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Offers pMsg to the objects of its target window and of each parent up
    // to the top-level window, stopping after the application's main window.
    // A top-level window's owner is not its parent: messages of another
    // dialog never reach the main window's PreTranslateMessage.
    static BOOL WalkPreTranslateTree(MSG* pMsg);

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }

    // Called while the window is being bound to this object, before any
    // message reaches the handlers (for a created window: before
    // WM_NCCREATE).
    virtual void PreSubclassWindow();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Looks the message up in the tables; FALSE if no class handles it.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // WM_COMMAND. Derived classes handle their identifiers and pass the rest
    // to their base; FALSE means nobody handled it (default processing).
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_DRAWITEM, which the parent passes back to the control it concerns;
    // TRUE if the control handled it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The processing the framework replaced: the window's original procedure.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled now.
    LRESULT Default();

    // Base handlers of the messages whose derived handlers pass on with
    // Base::OnXxx(...): each gives the message its default processing.
    void OnMove(int x, int y);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    LRESULT OnNcHitTest(POINT point);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);

    // Runs a platform creation call (CreateWindowEx, CreateDialogIndirect...)
    // with the hook armed to bind the first window it makes to this object.
    template <class CreateFn> HWND CreateBound(CreateFn create);

private:
    static LRESULT CALLBACK CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Enters the object in the handle map, lets the derived class see the
    // window, then puts the framework's window procedure in front.
    void BindHandle(HWND hWnd);
    // Undoes BindHandle without touching the window.
    void UnbindHandle();
    // Passes WM_DRAWITEM to the control's object.
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    WNDPROC m_pfnSuper = nullptr;
    // The message being handled, for Default().
    const MSG* m_pCurrentMsg = nullptr;

    // Installs the creation hook (once, however deeply creations nest) and
    // makes pWnd the object to bind; returns the object pending before.
    static CWnd* ArmCreationHook(CWnd* pWnd);
    // Restores the pending object and removes the hook after the outermost
    // creation.
    static void DisarmCreationHook(CWnd* pPrevious);
};

template <class CreateFn> HWND CWnd::CreateBound(CreateFn create)
{
    CWnd* previous = ArmCreationHook(this);
    HWND hWnd = nullptr;
    try {
        hWnd = create();
    } catch (...) {
        DisarmCreationHook(previous);
        throw;
    }
    DisarmCreationHook(previous);
    return hWnd;
}

// Needs CWnd complete.
template <auto Fn> MessageEntry On::SetCursor()
{
    return {WM_SETCURSOR, [](CWnd& w, WPARAM wp, LPARAM lp, LRESULT& r) {
                r = (MessageMapDetail::Self<Fn>(w).*
                     Fn)(CWnd::FromHandle(reinterpret_cast<HWND>(wp)), LOWORD(lp), HIWORD(lp));
            }};
}
