// The skinned dialog's caption buttons, their commands and the system menu,
// in real windows.
#include "skin/CVelToolTipCtrl.h"
#include "tests/unit/PixelTestSupport.h"
#include "tests/unit/ToolTipText.h"
#include "tests/unit/skin/DialogSkins.h"
#include "tests/unit/skin/SkinWindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

using skintest::ShowDemoDialog;
namespace sd = skindemo;

// Rectangle of a child in its parent's client coordinates.
RECT ChildRect(const CWnd& parent, const CWnd& child)
{
    RECT r{};
    child.GetWindowRect(&r);
    ::MapWindowPoints(nullptr, parent.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string TipText(CVelButton& button)
{
    return button.GetToolTip() != nullptr ? ToolTipText(*button.GetToolTip(), button) : std::string();
}

// Colour the button shows at a pixel clear of its glyph and corners.
COLORREF ButtonFace(CVelButton& button)
{
    MemoryCanvas canvas(sd::kCaptionSize, sd::kCaptionSize, RGB(1, 2, 3));
    button.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc.GetSafeHdc()));
    return canvas.dc.GetPixel(2, 8);
}

// A press and release on the button, as the mouse would deliver them.
void Click(CVelButton& button)
{
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST(CaptionButtonsWindow, ButtonsSitTopRightAndMoveDownWhenMaximised)
{
    auto dlg = ShowDemoDialog();
    ASSERT_NE(dlg, nullptr);
    // SetCaptionButtons (16, 16, 16, 16, 4, 5, 4, 1, 0) in 320 x 240.
    EXPECT_EQ(ChildRect(*dlg, dlg->m_btnClose), (RECT{299, 4, 315, 20}));
    EXPECT_EQ(ChildRect(*dlg, dlg->m_btnMax), (RECT{279, 4, 295, 20}));
    EXPECT_EQ(ChildRect(*dlg, dlg->m_btnMin), (RECT{259, 4, 275, 20}));
    EXPECT_EQ(dlg->m_btnClose.GetDlgCtrlID(), 7001);
    EXPECT_EQ(dlg->m_btnMax.GetDlgCtrlID(), 7002);
    EXPECT_EQ(dlg->m_btnMin.GetDlgCtrlID(), 7003);
    EXPECT_EQ(TipText(dlg->m_btnClose), "关闭");
    EXPECT_EQ(TipText(dlg->m_btnMin), "最小化");
    EXPECT_EQ(TipText(dlg->m_btnMax), "最大化");
    EXPECT_EQ(ButtonFace(dlg->m_btnMin), sd::CaptionFrameColour(0, 0));
    EXPECT_EQ(ButtonFace(dlg->m_btnMax), sd::CaptionFrameColour(1, 0));
    EXPECT_EQ(ButtonFace(dlg->m_btnClose), sd::CaptionFrameColour(2, 0));

    dlg->ShowWindow(SW_MAXIMIZE);
    RECT client;
    dlg->GetClientRect(&client);
    const int r = client.right - 5;
    EXPECT_EQ(ChildRect(*dlg, dlg->m_btnClose), (RECT{r - 16, 5, r, 21}));
    EXPECT_EQ(ChildRect(*dlg, dlg->m_btnMin), (RECT{r - 56, 5, r - 40, 21}));
    dlg->DestroyWindow();

    // Without a maximise button the minimise button moves up to the close.
    sd::Options options;
    options.maximiseButton = false;
    auto plain = ShowDemoDialog(options);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->m_btnMax.GetSafeHwnd(), nullptr);
    EXPECT_EQ(ChildRect(*plain, plain->m_btnMin), (RECT{279, 4, 295, 20}));
    plain->ShowWindow(SW_MAXIMIZE);
    EXPECT_STREQ(plain->m_btnMax.GetTipText(), "还原") << "the tip text is kept without a window";
    plain->DestroyWindow();
}

TEST(CaptionButtonsWindow, MaximiseButtonTogglesAndShowsTheRestoreTriple)
{
    auto dlg = ShowDemoDialog();
    ASSERT_NE(dlg, nullptr);
    const int restoreX = 3 * (16 + 16 + 16);
    Click(dlg->m_btnMax);
    ASSERT_TRUE(dlg->IsZoomed());
    EXPECT_EQ(dlg->m_btnMax.m_nImageX, restoreX);
    EXPECT_EQ(ButtonFace(dlg->m_btnMax), sd::CaptionFrameColour(3, 0));
    EXPECT_EQ(TipText(dlg->m_btnMax), "还原");
    CString name;
    dlg->m_btnMax.GetWindowText(name);
    EXPECT_STREQ(name, "还原") << "a screen reader names the button by its tip";
    ASSERT_EQ(dlg->commands.size(), 1u);
    EXPECT_EQ(dlg->commands[0].wParam, 7002u);
    EXPECT_EQ(dlg->commands[0].lParam, 0);

    Click(dlg->m_btnMax);
    EXPECT_FALSE(dlg->IsZoomed());
    EXPECT_EQ(dlg->m_btnMax.m_nImageX, 3 * 16);
    EXPECT_EQ(ButtonFace(dlg->m_btnMax), sd::CaptionFrameColour(1, 0));
    EXPECT_EQ(TipText(dlg->m_btnMax), "最大化");

    Click(dlg->m_btnMin);
    EXPECT_TRUE(dlg->IsIconic());
    dlg->ShowWindow(SW_RESTORE);

    // Close: WM_CLOSE has reached the dialog when the command returns; the
    // dialog manager then cancels the dialog.
    dlg->SendMessage(WM_COMMAND, 7001, 0);
    EXPECT_EQ(dlg->closeCount, 1);
    EXPECT_TRUE(PumpUntil([&] { return dlg->cancelCount == 1; }));
    dlg->DestroyWindow();
}

TEST(CaptionButtonsWindow, MaximisingHandsTheTopmostPlaceToTheTaskbar)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&wc);
    HWND standIn = CreateWindowExA(
        0, "Shell_TrayWnd", "", WS_POPUP | WS_VISIBLE, 0, 738, 1024, 30, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(standIn, nullptr);
    // Wine's own desktop process may have a window of that class as well;
    // whichever the lookup finds is the one to be raised.
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    ASSERT_NE(taskbar, nullptr);
    SetWindowPos(taskbar, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(GetWindowLongA(taskbar, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    sd::Options options;
    options.topmost = true;
    auto dlg = ShowDemoDialog(options);
    ASSERT_NE(dlg, nullptr);
    ASSERT_NE(static_cast<DWORD>(::GetWindowLongA(dlg->m_hWnd, GWL_EXSTYLE)) & WS_EX_TOPMOST, 0u)
        << "the dialog did not start topmost";
    dlg->SendMessage(WM_COMMAND, 7002, 0);
    ASSERT_TRUE(dlg->IsZoomed());
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(dlg->m_hWnd, GWL_EXSTYLE)) & WS_EX_TOPMOST, 0u);
    EXPECT_NE(GetWindowLongA(taskbar, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    // Restoring leaves both as they are.
    dlg->SendMessage(WM_COMMAND, 7002, 0);
    EXPECT_FALSE(dlg->IsZoomed());
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(dlg->m_hWnd, GWL_EXSTYLE)) & WS_EX_TOPMOST, 0u);
    dlg->DestroyWindow();
    DestroyWindow(standIn);
}

// What the test saw of each system menu while it was open.
struct MenuSighting {
    RECT rect{};
    UINT size = 0, move = 0, restore = 0, minimise = 0, maximise = 0, close = 0;
    UINT defaultItem = 0;
};
struct MenuWatch {
    HWND dialog = nullptr;
    std::vector<MenuSighting> seen;
};
MenuWatch* g_watch = nullptr;

UINT StateOf(HMENU menu, UINT command) { return GetMenuState(menu, command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED); }

// Runs inside the menu's own loop: notes the open menu and closes it.
void CALLBACK WatchMenu(HWND, UINT, UINT_PTR, DWORD)
{
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (g_watch == nullptr || menuWindow == nullptr || !IsWindowVisible(menuWindow))
        return;
    MenuSighting s;
    GetWindowRect(menuWindow, &s.rect);
    HMENU menu = GetSystemMenu(g_watch->dialog, FALSE);
    s.size = StateOf(menu, SC_SIZE);
    s.move = StateOf(menu, SC_MOVE);
    s.restore = StateOf(menu, SC_RESTORE);
    s.minimise = StateOf(menu, SC_MINIMIZE);
    s.maximise = StateOf(menu, SC_MAXIMIZE);
    s.close = StateOf(menu, SC_CLOSE);
    s.defaultItem = GetMenuDefaultItem(menu, FALSE, 0);
    g_watch->seen.push_back(s);
    EndMenu();
}

// Alt+Space as the modal loop offers it: Alt down in the thread's key state,
// the key message walked through PreTranslateMessage.
BOOL AltSpace(HWND target, UINT message, bool altDown = true)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_MENU] = altDown ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG msg{};
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = VK_SPACE;
    msg.lParam = 0x20390001;
    const BOOL consumed = CWnd::WalkPreTranslateTree(&msg);
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
    return consumed;
}

TEST(SystemMenuWindow, AltSpaceOpensTheMenuBelowTheTitleOnceWithinTheGuard)
{
    sd::Options options;
    options.resizable = false;
    auto dlg = ShowDemoDialog(options);
    ASSERT_NE(dlg, nullptr);
    MenuWatch watch;
    watch.dialog = dlg->m_hWnd;
    g_watch = &watch;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &WatchMenu);
    // Another default first, so that only the dialog can make it Close.
    ASSERT_TRUE(SetMenuDefaultItem(GetSystemMenu(dlg->m_hWnd, FALSE), SC_MOVE, FALSE));

    // A key message to a caption button is walked up to the dialog.
    EXPECT_TRUE(AltSpace(dlg->m_btnClose.m_hWnd, WM_SYSKEYDOWN));
    const DWORD closedAt = GetTickCount();
    ASSERT_EQ(watch.seen.size(), 1u) << "no system menu was seen";
    // Straight after it closed, the same keys do not reopen it.
    EXPECT_TRUE(AltSpace(dlg->m_hWnd, WM_KEYDOWN));
    const DWORD secondAt = GetTickCount();
    if (secondAt - closedAt < 300) {
        EXPECT_EQ(watch.seen.size(), 1u) << "the menu reopened within 300 ms";
    }

    RECT wr;
    dlg->GetWindowRect(&wr);
    EXPECT_EQ(watch.seen[0].rect.left, wr.left + sd::kLeftWidth);
    EXPECT_EQ(watch.seen[0].rect.top, wr.top + sd::kTitleHeight);
    EXPECT_EQ(watch.seen[0].defaultItem, static_cast<UINT>(SC_CLOSE));

    // The states the dialog gives the items, as the menu loop starts. (Wine
    // then sets them again from the window style; see the report.)
    const UINT off = MF_GRAYED | MF_DISABLED;
    ASSERT_EQ(dlg->menusAtInit.size(), 1u);
    const auto& normal = dlg->menusAtInit[0];
    EXPECT_EQ(normal.size, off);
    EXPECT_EQ(normal.move, 0u);
    EXPECT_EQ(normal.restore, off);
    EXPECT_EQ(normal.minimise, 0u);
    EXPECT_EQ(normal.maximise, off);
    EXPECT_EQ(normal.close, 0u);
    EXPECT_EQ(normal.defaultItem, static_cast<UINT>(SC_CLOSE));

    // Once the guard has passed: a resizable maximised window's menu.
    dlg->m_bResizable = TRUE;
    dlg->ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(PumpUntil([&] { return GetTickCount() - secondAt >= 300; }));
    EXPECT_TRUE(AltSpace(dlg->m_hWnd, WM_SYSKEYDOWN));
    const DWORD maximisedClosedAt = GetTickCount();
    ASSERT_EQ(watch.seen.size(), 2u);
    ASSERT_EQ(dlg->menusAtInit.size(), 2u);
    const auto& maximised = dlg->menusAtInit[1];
    EXPECT_EQ(maximised.size, off);
    EXPECT_EQ(maximised.move, off);
    EXPECT_EQ(maximised.restore, 0u);
    EXPECT_EQ(maximised.minimise, 0u);
    EXPECT_EQ(maximised.maximise, off);

    // A resizable normal window offers Size and Maximize.
    dlg->ShowWindow(SW_RESTORE);
    ASSERT_TRUE(PumpUntil([&] { return GetTickCount() - maximisedClosedAt >= 300; }));
    EXPECT_TRUE(AltSpace(dlg->m_hWnd, WM_SYSKEYDOWN));
    ASSERT_EQ(dlg->menusAtInit.size(), 3u);
    EXPECT_EQ(dlg->menusAtInit[2].size, 0u);
    EXPECT_EQ(dlg->menusAtInit[2].maximise, 0u);
    EXPECT_EQ(dlg->menusAtInit[2].restore, off);

    // Space without Alt is an ordinary key.
    EXPECT_FALSE(AltSpace(dlg->m_hWnd, WM_KEYDOWN, false));
    EXPECT_EQ(watch.seen.size(), 3u);
    KillTimer(nullptr, timer);
    g_watch = nullptr;
    dlg->DestroyWindow();
}

TEST(SystemMenuWindow, MenuCloseIsPostedAndOtherIdentifiersPassOn)
{
    auto dlg = ShowDemoDialog();
    ASSERT_NE(dlg, nullptr);
    dlg->SendMessage(WM_COMMAND, SC_CLOSE, 0);
    EXPECT_EQ(dlg->closeCount, 0) << "Close from the menu is posted, not sent";
    EXPECT_TRUE(PumpUntil([&] { return dlg->closeCount == 1 && dlg->cancelCount == 1; }));

    dlg->SendMessage(WM_COMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(dlg->IsZoomed());
    dlg->SendMessage(WM_COMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(dlg->IsZoomed());
    dlg->SendMessage(WM_COMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(dlg->IsIconic());
    dlg->DestroyWindow();
}

} // namespace
