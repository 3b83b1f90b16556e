#include "framework/CButton.h"
#include "framework/CWnd.h"
#include "tests/unit/framework/RecordingWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Plain windows made with CreateEx: binding at creation, the order of the
// message tables, default processing and the handle map.

namespace {

const char* TestWindowClass()
{
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = "VantikFrameworkTestWnd";
        ::RegisterClassA(&wc);
        return "VantikFrameworkTestWnd";
    }();
    return name;
}

class CBaseWindow : public CWnd {
public:
    std::vector<std::string> log;
    std::vector<UINT> messages;
    int messagesAtPreSubclass = -1;

protected:
    static const MessageMap* GetThisMessageMap()
    {
        static const MessageEntry entries[] = {
            On::Size<&CBaseWindow::OnSize>(),
            On::Move<&CBaseWindow::OnMove>(),
            On::Timer<&CBaseWindow::OnTimer>(),
        };
        static const MessageMap map{CWnd::GetThisMessageMap(), entries};
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    void PreSubclassWindow() override { messagesAtPreSubclass = static_cast<int>(messages.size()); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        messages.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }

    void OnSize(UINT, int cx, int cy)
    {
        log.push_back("base OnSize " + std::to_string(cx) + "x" + std::to_string(cy));
        Default();
    }
    void OnMove(int x, int y)
    {
        log.push_back("base OnMove " + std::to_string(x) + "," + std::to_string(y));
        CWnd::OnMove(x, y);
    }
    void OnTimer(UINT_PTR nIDEvent) { log.push_back("base OnTimer " + std::to_string(nIDEvent)); }
};

class CDerivedWindow : public CBaseWindow {
protected:
    static const MessageMap* GetThisMessageMap()
    {
        static const MessageEntry entries[] = {
            On::Size<&CDerivedWindow::OnSize>(),
            On::Timer<&CDerivedWindow::OnTimer>(),
        };
        static const MessageMap map{CBaseWindow::GetThisMessageMap(), entries};
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    void OnSize(UINT nType, int cx, int cy)
    {
        log.push_back("derived OnSize");
        CBaseWindow::OnSize(nType, cx, cy);
    }
    // Handles the timer itself and does not pass it on.
    void OnTimer(UINT_PTR nIDEvent) { log.push_back("derived OnTimer " + std::to_string(nIDEvent)); }
};

BOOL CreatePopup(CWnd& wnd, int x, int y, int cx, int cy)
{
    return wnd.CreateEx(0, TestWindowClass(), "test", WS_POPUP, x, y, cx, cy, nullptr, nullptr);
}

TEST(FrameworkDispatch, WindowIsBoundBeforeItsFirstMessage)
{
    CBaseWindow wnd;
    ASSERT_TRUE(CreatePopup(wnd, 10, 10, 100, 60));
    EXPECT_EQ(wnd.messagesAtPreSubclass, 0);
    // The creation messages all went through the object's tables.
    const int ncCreate = IndexOf(wnd.messages, static_cast<UINT>(WM_NCCREATE));
    const int create = IndexOf(wnd.messages, static_cast<UINT>(WM_CREATE));
    const int size = IndexOf(wnd.messages, static_cast<UINT>(WM_SIZE));
    ASSERT_GE(ncCreate, 0);
    EXPECT_LT(ncCreate, create);
    EXPECT_LT(create, size);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_TRUE(wnd.DestroyWindow());
}

TEST(FrameworkDispatch, DerivedTableFirstThenBaseThenDefault)
{
    CDerivedWindow wnd;
    ASSERT_TRUE(CreatePopup(wnd, 10, 10, 100, 60));
    wnd.log.clear();

    // Handled by both: the derived handler runs first and passes on.
    wnd.SetWindowPos(HWND_TOP, 0, 0, 120, 70, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(wnd.log.size(), 2u);
    EXPECT_EQ(wnd.log[0], "derived OnSize");
    EXPECT_EQ(wnd.log[1], "base OnSize 120x70");

    // Only the base handles WM_MOVE; x and y arrive as signed values.
    wnd.log.clear();
    wnd.SetWindowPos(HWND_TOP, -30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(wnd.log.size(), 1u);
    EXPECT_EQ(wnd.log[0], "base OnMove -30,40");

    // The derived handler that does not pass on hides the base's.
    wnd.log.clear();
    wnd.SendMessage(WM_TIMER, 9, 0);
    ASSERT_EQ(wnd.log.size(), 1u);
    EXPECT_EQ(wnd.log[0], "derived OnTimer 9");

    // No table has WM_SETTEXT: the window's own procedure stores the text.
    wnd.SetWindowText("kept by default processing");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_STREQ(text, "kept by default processing");
    wnd.DestroyWindow();
}

TEST(FrameworkDispatch, HandleMapFollowsWindowLifetimes)
{
    HWND parentHandle = nullptr;
    HWND childHandle = nullptr;
    {
        CBaseWindow parent;
        CButton child;
        ASSERT_TRUE(CreatePopup(parent, 0, 0, 200, 100));
        ASSERT_TRUE(child.Create("child", WS_VISIBLE, RECT{5, 5, 60, 25}, &parent, 77));
        parentHandle = parent.m_hWnd;
        childHandle = child.m_hWnd;
        EXPECT_EQ(CWnd::FromHandlePermanent(parentHandle), &parent);
        EXPECT_EQ(CWnd::FromHandlePermanent(childHandle), &child);
        EXPECT_EQ(child.GetDlgCtrlID(), 77);
        EXPECT_EQ(child.GetParent(), &parent);
        EXPECT_NE(child.GetStyle() & WS_CHILD, 0u) << "Create makes child windows";

        // Destroying the parent takes the child with it: both objects let go.
        parent.DestroyWindow();
        EXPECT_EQ(parent.m_hWnd, nullptr);
        EXPECT_EQ(child.m_hWnd, nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(parentHandle), nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(childHandle), nullptr);

        // An object outlives its window and can make a new one.
        ASSERT_TRUE(CreatePopup(parent, 0, 0, 50, 50));
        EXPECT_EQ(CWnd::FromHandlePermanent(parent.m_hWnd), &parent);
        // Leaving the scope destroys the window with the object.
        parentHandle = parent.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(parentHandle));
    EXPECT_FALSE(::IsWindow(childHandle));
    EXPECT_EQ(CWnd::FromHandlePermanent(parentHandle), nullptr);

    // Windows the framework did not make get wrappers that are not bound
    // and never destroy anything.
    CWnd* desktop = CWnd::GetDesktopWindow();
    ASSERT_NE(desktop, nullptr);
    EXPECT_EQ(desktop->m_hWnd, ::GetDesktopWindow());
    EXPECT_EQ(CWnd::FromHandle(::GetDesktopWindow()), desktop);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDesktopWindow()), nullptr);
}

TEST(FrameworkDispatch, CenterWindowOnWorkAreaOrOwner)
{
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);

    CBaseWindow alone;
    ASSERT_TRUE(CreatePopup(alone, 0, 0, 280, 175));
    alone.CenterWindow();
    RECT rc{};
    alone.GetWindowRect(&rc);
    EXPECT_EQ(rc.left, (work.left + work.right) / 2 - 140);
    EXPECT_EQ(rc.top, (work.top + work.bottom) / 2 - 175 / 2);

    // An owned window centres over its (visible) owner.
    alone.SetWindowPos(HWND_TOP, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    CBaseWindow owned;
    ASSERT_TRUE(owned.CreateEx(0, TestWindowClass(), "owned", WS_POPUP, 0, 0, 200, 100, alone.m_hWnd, nullptr));
    owned.CenterWindow();
    owned.GetWindowRect(&rc);
    EXPECT_EQ(rc.left, 100 + 140 - 100);
    EXPECT_EQ(rc.top, 120 + 175 / 2 - 50);
}

} // namespace
