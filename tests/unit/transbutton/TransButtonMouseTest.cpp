// The transparent button under the mouse: clicks and their commands, hover
// and press, the label's transparency, the cursor and the tooltip.
#include "skin/CVelTransButton.h"
#include "tests/unit/PixelTestSupport.h"
#include "tests/unit/ToolTipText.h"
#include "tests/unit/transbutton/TransButtonTestWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using tbtest::MouseDown;
using tbtest::MouseTo;
using tbtest::MouseUp;

using tbtest::ScreenPixel;
using tbtest::ScreenPoint;

constexpr int kW = 30;
constexpr int kH = 20;
constexpr UINT kId = 7570;
constexpr COLORREF kFrameColour[3] = {RGB(200, 100, 0), RGB(0, 100, 200), RGB(100, 200, 0)};

CBitmap MakeStrip()
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < 3 * kW; ++x)
            pixels.push_back(kFrameColour[x / kW]);
    return MakeBitmap(3 * kW, kH, pixels);
}

// Writes down the mouse messages the button gets.
class CRecordingTransButton : public CVelTransButton {
public:
    std::vector<UINT> messages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
            messages.push_back(message);
        return CVelTransButton::WindowProc(message, wParam, lParam);
    }
};

struct MouseFixture : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(parent.Open());
        strip = MakeStrip();
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, RECT{20, 20, 20 + kW, 20 + kH}, &parent, kId));
        button.SetBitmapStyle(&strip, nullptr, FALSE);
        PumpPending();
    }
    void TearDown() override
    {
        MouseUp();
        MouseTo(POINT{0, 0});
        PumpPending();
    }

    POINT Centre() { return ScreenPoint(button, kW / 2, kH / 2); }
    POINT Outside() { return ScreenPoint(button, kW + 40, kH / 2); }

    // Waits for the screen to show frame i at the button's centre.
    bool ShowsFrame(int i)
    {
        return PumpUntil([&] { return ScreenPixel(button, kW / 2, kH / 2) == kFrameColour[i]; });
    }
    std::string ScreenFace() { return ColourText(ScreenPixel(button, kW / 2, kH / 2)); }

    tbtest::CTestParent parent;
    CBitmap strip;
    CRecordingTransButton button;
};

TEST_F(MouseFixture, ClickSendsOneCommandBeforeTheRepaintThenShowsTheHoverFrame)
{
    MouseTo(Centre());
    ASSERT_TRUE(PumpUntil([&] { return button.IsHover(); })) << "no hover; messages " << button.messages.size();
    EXPECT_EQ(::GetCapture(), button.m_hWnd);
    ASSERT_TRUE(ShowsFrame(1)) << ScreenFace();

    const int drawsBeforePress = parent.draws;
    MouseDown();
    ASSERT_TRUE(PumpUntil([&] { return button.IsPressed(); }));
    ASSERT_TRUE(ShowsFrame(2)) << ScreenFace();
    const int drawsAfterPress = parent.draws;
    EXPECT_GT(drawsAfterPress, drawsBeforePress) << "the press did not repaint through WM_DRAWITEM";

    MouseUp();
    ASSERT_TRUE(PumpUntil([&] { return !parent.commands.empty() && !button.IsPressed(); }));
    PumpUntil([] { return false; }, 200); // room for a second, wrong, notification
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].wParam, MAKEWPARAM(kId, BN_CLICKED));
    EXPECT_EQ(parent.commands[0].lParam, 0) << "lParam is 0, not the button's handle";
    EXPECT_EQ(parent.commands[0].drawsBefore, drawsAfterPress) << "the button repainted before notifying";
    EXPECT_GT(parent.draws, drawsAfterPress) << "no repaint after the click";
    EXPECT_TRUE(button.IsHover()) << "the pointer is still over the button";
    EXPECT_TRUE(ShowsFrame(1)) << ScreenFace();
}

// A frame shown under a resting pointer and clicked at once: the press comes
// before any move has given the button its hover, and is a click all the same.
TEST_F(MouseFixture, ClickOnAButtonShownUnderTheRestingPointerSendsTheCommand)
{
    button.ShowWindow(SW_HIDE);
    MouseTo(Centre());
    PumpPending();
    button.ShowWindow(SW_SHOWNOACTIVATE);
    MouseDown();
    MouseUp();
    EXPECT_TRUE(PumpUntil([&] { return !parent.commands.empty(); })) << "the click was lost";
}

TEST_F(MouseFixture, DoubleClickSendsTwoCommands)
{
    MouseTo(Centre());
    ASSERT_TRUE(PumpUntil([&] { return button.IsHover(); }));
    MouseDown();
    MouseUp();
    MouseDown();
    MouseUp();
    PumpUntil([&] { return parent.commands.size() >= 2; });
    PumpUntil([] { return false; }, 200);
    ASSERT_NE(std::find(button.messages.begin(), button.messages.end(), UINT(WM_LBUTTONDBLCLK)), button.messages.end())
        << "the second press did not arrive as a double click";
    ASSERT_EQ(parent.commands.size(), 2u);
    for (const auto& c : parent.commands) {
        EXPECT_EQ(c.wParam, MAKEWPARAM(kId, BN_CLICKED)) << "no platform double-click notification";
        EXPECT_EQ(c.lParam, 0);
    }
}

TEST_F(MouseFixture, PressDraggedOffEndsAtOnceAndItsReleaseSendsNothing)
{
    MouseTo(Centre());
    ASSERT_TRUE(PumpUntil([&] { return button.IsHover(); }));
    MouseDown();
    ASSERT_TRUE(PumpUntil([&] { return button.IsPressed(); }));

    MouseTo(Outside());
    ASSERT_TRUE(PumpUntil([&] { return !button.IsHover(); }));
    EXPECT_FALSE(button.IsPressed());
    EXPECT_NE(::GetCapture(), button.m_hWnd) << "the capture outlived the hover";
    EXPECT_TRUE(ShowsFrame(0)) << ScreenFace();

    MouseUp();
    PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(parent.commands.empty());
}

// A window laid over part of the hovered button: moving onto it ends the
// hover although the pointer is still inside the button's rectangle.
TEST_F(MouseFixture, PointerOnACoveringWindowEndsTheHover)
{
    MouseTo(Centre());
    ASSERT_TRUE(PumpUntil([&] { return button.IsHover(); }));

    tbtest::CTestParent cover;
    const POINT at = ScreenPoint(button, kW - 8, 0);
    ASSERT_TRUE(cover.Open(at, SIZE{20, kH + 10}));

    MouseTo(ScreenPoint(button, kW - 4, kH / 2));
    EXPECT_TRUE(PumpUntil([&] { return !button.IsHover(); })) << "still hovered under the covering window";
    EXPECT_NE(::GetCapture(), button.m_hWnd);
}

// A frame that is not in the foreground holds the capture only while the
// pointer is over it: a pointer gone straight onto another program's window
// is told by WM_MOUSELEAVE alone, unless a press keeps the capture.
TEST_F(MouseFixture, MouseLeaveEndsTheHoverButNotAPress)
{
    MouseTo(Centre());
    ASSERT_TRUE(PumpUntil([&] { return button.IsHover(); }));
    MouseDown();
    ASSERT_TRUE(PumpUntil([&] { return button.IsPressed(); }));
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_TRUE(button.IsPressed() && button.IsHover()) << "the press ended";
    EXPECT_EQ(::GetCapture(), button.m_hWnd) << "the press lost the capture";
    MouseUp();
    ASSERT_TRUE(PumpUntil([&] { return !parent.commands.empty(); }));

    MouseTo(Outside());
    MouseTo(Centre());
    ASSERT_TRUE(PumpUntil([&] { return button.IsHover(); }));
    ASSERT_TRUE(ShowsFrame(1)) << ScreenFace();
    // The leave sent below stands for the one the platform sends only to a
    // window that asked for it.
    TRACKMOUSEEVENT asked{};
    asked.cbSize = sizeof asked;
    asked.dwFlags = TME_QUERY;
    ASSERT_TRUE(::TrackMouseEvent(&asked));
    EXPECT_TRUE((asked.dwFlags & TME_LEAVE) != 0 && asked.hwndTrack == button.m_hWnd)
        << "the hovered button does not ask to be told of the leave: flags " << asked.dwFlags;
    // The pointer leaves, and the move that says so never reaches the button.
    ::SetCursorPos(Outside().x, Outside().y);
    MSG lost;
    while (::PeekMessageA(&lost, button.m_hWnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
    }
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(button.IsHover());
    EXPECT_NE(::GetCapture(), button.m_hWnd) << "the capture outlived the hover";
    EXPECT_TRUE(ShowsFrame(0)) << ScreenFace();
}

TEST_F(MouseFixture, LabelLetsClicksThroughToTheWindowBeneathAndNeverChanges)
{
    CRecordingTransButton label;
    ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, RECT{100, 20, 160, 40}, &parent, 7350));
    label.SetLabelStyle(nullptr);
    const POINT centre = ScreenPoint(label, 30, 10);
    EXPECT_EQ(CWnd::WindowFromPoint(centre), &parent);

    MouseTo(centre);
    MouseDown();
    MouseUp();
    ASSERT_TRUE(PumpUntil([&] { return parent.mouseMessages.size() >= 2; }))
        << "the click did not reach the window beneath";
    EXPECT_EQ(parent.mouseMessages[0], UINT(WM_LBUTTONDOWN));
    EXPECT_EQ(parent.mouseMessages[1], UINT(WM_LBUTTONUP));

    // Even mouse messages sent to it straight change nothing.
    label.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
    label.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 10));
    label.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(30, 10));
    EXPECT_FALSE(label.IsHover());
    EXPECT_FALSE(label.IsPressed());
    EXPECT_NE(::GetCapture(), label.m_hWnd);
    EXPECT_TRUE(parent.commands.empty());
}

TEST_F(MouseFixture, CursorIsTheHandOnlyWhereTheHandIsAskedForAndTheButtonIsNoLabel)
{
    HCURSOR hand = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
    HCURSOR arrow = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    auto cursorOver = [&] {
        ::SetCursor(nullptr);
        const LRESULT r = button.SendMessage(
            WM_SETCURSOR, reinterpret_cast<WPARAM>(button.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(r, TRUE);
        return ::GetCursor();
    };
    EXPECT_EQ(cursorOver(), arrow) << "bitmap look, hand cursor FALSE";
    button.SetBitmapStyle(&strip, nullptr, TRUE);
    EXPECT_EQ(cursorOver(), hand) << "bitmap look, hand cursor TRUE";
    button.SetTextStyle();
    EXPECT_EQ(cursorOver(), hand) << "text look keeps the hand";
    button.SetLabelStyle(nullptr);
    EXPECT_EQ(cursorOver(), arrow) << "label";

    // After a release: the hand over a bitmap-look button that asks for
    // it, the arrow once the pointer is off the button.
    button.SetBitmapStyle(&strip, nullptr, TRUE);
    ::SetCursorPos(Centre().x, Centre().y);
    ::SetCursor(arrow);
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(kW / 2, kH / 2));
    EXPECT_EQ(::GetCursor(), hand);
    ::SetCursorPos(Outside().x, Outside().y);
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(kW / 2, kH / 2));
    EXPECT_EQ(::GetCursor(), arrow);
}

struct TipFixture : MouseFixture {
    std::string Tip() { return ToolTipText(button.GetToolTip(), button); }
};

TEST_F(TipFixture, TipExistsFromSetTooltipTextIsEmptiedOnLeaveAndRestoredOnEntry)
{
    button.SetTooltipText("截图");
    CVelToolTipCtrl& tip = button.GetToolTip();
    ASSERT_NE(tip.GetSafeHwnd(), nullptr) << "no tooltip window after SetTooltipText";
    EXPECT_EQ(tip.SendMessage(TTM_GETDELAYTIME, TTDT_INITIAL), 100);
    ASSERT_EQ(tip.SendMessage(TTM_GETTOOLCOUNT), 1);
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ASSERT_TRUE(tip.SendMessage(TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_NE(ti.uFlags & TTF_IDISHWND, 0u);
    EXPECT_EQ(ti.hwnd, parent.m_hWnd);
    EXPECT_EQ(ti.uId, reinterpret_cast<UINT_PTR>(button.m_hWnd));
    EXPECT_EQ(Tip(), "截图");

    MouseTo(Centre());
    ASSERT_TRUE(PumpUntil([&] { return button.IsHover(); }));
    EXPECT_EQ(Tip(), "截图");
    // Relayed moves make the tip show with the text.
    EXPECT_TRUE(PumpUntil([&] {
        char text[32] = {};
        ::GetWindowTextA(tip.m_hWnd, text, sizeof text);
        return tip.IsWindowVisible() && std::string(text) == "截图";
    })) << "the tip never showed its text";

    MouseTo(Outside());
    ASSERT_TRUE(PumpUntil([&] { return !button.IsHover(); }));
    EXPECT_EQ(Tip(), "") << "tip text while the pointer is away";
    MouseTo(Centre());
    ASSERT_TRUE(PumpUntil([&] { return button.IsHover(); }));
    EXPECT_EQ(Tip(), "截图") << "tip text after entering again";
    EXPECT_STREQ(button.GetTooltipText(), "截图");
}

// The tip made on the first hover must leave the keyboard where it was: in
// a dialog, Enter and Escape go on working after the pointer has touched
// the OK button.
TEST_F(TipFixture, ButtonWithoutTipTextMakesItsTipOnFirstHoverWithNoTextAndKeepsTheFocus)
{
    EXPECT_EQ(button.GetToolTip().GetSafeHwnd(), nullptr);
    ::SetForegroundWindow(parent.m_hWnd);
    parent.SetFocus();
    ASSERT_EQ(CWnd::GetActiveWindow(), &parent);

    MouseTo(Centre());
    ASSERT_TRUE(PumpUntil([&] { return button.IsHover(); }));
    ASSERT_NE(button.GetToolTip().GetSafeHwnd(), nullptr);
    EXPECT_EQ(button.GetToolTip().SendMessage(TTM_GETTOOLCOUNT), 1);
    EXPECT_EQ(Tip(), "");
    PumpPending();
    EXPECT_EQ(::GetActiveWindow(), parent.m_hWnd) << "the new tip took the activation";
    EXPECT_EQ(::GetFocus(), parent.m_hWnd) << "the new tip took the keyboard focus";
}

// The icon is handed over: one replaced by another is destroyed, and the
// last goes with the button.
TEST(TransButtonIcon, ReplacedAndFinalIconsAreDestroyed)
{
    auto alive = [](HICON icon) {
        ICONINFO info{};
        if (!::GetIconInfo(icon, &info))
            return false;
        ::DeleteObject(info.hbmMask);
        ::DeleteObject(info.hbmColor);
        return true;
    };
    HICON first = tbtest::MakeIcon(16, RGB(1, 1, 1), RGB(1, 1, 1));
    HICON second = tbtest::MakeIcon(16, RGB(2, 2, 2), RGB(2, 2, 2));
    {
        CVelTransButton button;
        button.SetLabelStyle(first);
        button.SetLabelStyle(first);
        EXPECT_TRUE(alive(first)) << "setting the same icon again destroyed it";
        button.SetBitmapStyle(nullptr, second, FALSE);
        EXPECT_FALSE(alive(first)) << "the replaced icon was leaked";
        EXPECT_TRUE(alive(second));
    }
    EXPECT_FALSE(alive(second)) << "the button left its icon behind";
}

} // namespace
