// The bitmap button and the owner-painted tooltip in real windows.
#include "framework/CClientDC.h"
#include "framework/GbkText.h"
#include "gfx/InterfaceFont.h"
#include "skin/CVelButton.h"
#include "skin/CVelToolTipCtrl.h"
#include "tests/unit/PixelTestSupport.h"
#include "tests/unit/ToolTipText.h"
#include "tests/unit/skin/DialogSkins.h"
#include "tests/unit/skin/SkinWindowTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using skintest::ShowDemoDialog;

constexpr int kW = 20;
constexpr int kH = 14;
constexpr UINT kId = 4242;
constexpr COLORREF kFrameColour[3] = {RGB(200, 100, 0), RGB(0, 100, 200), RGB(100, 200, 0)};
constexpr COLORREF kBackColour = RGB(10, 200, 200);
constexpr int kBackX = 3 * kW + 5;
constexpr COLORREF kNearKey = RGB(254, 0, 255);

// Three frames and, after a gap, a background area. Each frame has the key
// colour at (1,1) and an almost-key colour at (2,1).
CBitmap MakeStrip()
{
    const int width = kBackX + kW;
    std::vector<COLORREF> pixels(width * kH, RGB(50, 50, 50));
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < width; ++x) {
            COLORREF& p = pixels[y * width + x];
            if (x >= kBackX)
                p = kBackColour;
            else if (x < 3 * kW)
                p = kFrameColour[x / kW];
            const int fx = x < 3 * kW ? x % kW : -1;
            if (y == 1 && fx == 1)
                p = RGB(255, 0, 255);
            if (y == 1 && fx == 2)
                p = kNearKey;
        }
    }
    return MakeBitmap(width, kH, pixels);
}

struct ButtonFixture : ::testing::Test {
    void SetUp() override
    {
        dlg = ShowDemoDialog();
        ASSERT_NE(dlg, nullptr);
        strip = MakeStrip();
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, RECT{40, 60, 40 + kW, 60 + kH}, dlg.get(), kId));
        button.m_pImage = &strip;
        dlg->commands.clear();
    }
    void TearDown() override
    {
        if (dlg)
            dlg->DestroyWindow();
    }

    void Move(int x, int y) { button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    void Down() { button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
    void Up() { button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }
    void DoubleClick() { button.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)); }

    // What the button paints at (x, y).
    COLORREF Painted(int x, int y)
    {
        MemoryCanvas canvas(kW, kH, RGB(1, 2, 3));
        button.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc.GetSafeHdc()));
        return canvas.dc.GetPixel(x, y);
    }
    std::string Face() { return ColourText(Painted(8, 8)); }

    std::string Tip()
    {
        return button.GetToolTip() != nullptr ? ToolTipText(*button.GetToolTip(), button) : std::string();
    }

    std::unique_ptr<CSkinDemoDialog> dlg;
    CBitmap strip;
    CVelButton button;
};

TEST_F(ButtonFixture, FrameFollowsHoverAndPressAndTheKeyShowsTheBackground)
{
    EXPECT_NE(button.GetStyle() & BS_OWNERDRAW, 0u);
    EXPECT_EQ(Face(), ColourText(kFrameColour[0]));
    Down(); // pressed without hover: still the normal frame
    EXPECT_EQ(Face(), ColourText(kFrameColour[0]));
    Up();
    EXPECT_EQ(dlg->commands.size(), 1u) << "a press and release without hover is a click too";
    Move(5, 5);
    EXPECT_TRUE(button.IsHover());
    EXPECT_EQ(Face(), ColourText(kFrameColour[1]));
    Down();
    EXPECT_EQ(Face(), ColourText(kFrameColour[2]));
    Up();

    // An offset into a wider strip.
    button.m_nImageX = kW;
    Move(5, 5);
    EXPECT_EQ(Face(), ColourText(kFrameColour[2])) << "hover frame counted from m_nImageX";

    button.m_nImageX = 0;
    button.m_nBackX = kBackX;
    Move(-3, 5); // leave: back to normal
    EXPECT_EQ(ColourText(Painted(1, 1)), ColourText(kBackColour)) << "the key pixel shows the background area";
    EXPECT_EQ(ColourText(Painted(2, 1)), ColourText(kNearKey)) << "only the exact key colour is see-through";
    EXPECT_EQ(Face(), ColourText(kFrameColour[0]));

    // No strip: nothing drawn, and clicks still work.
    button.m_pImage = nullptr;
    const std::size_t before = dlg->commands.size();
    Move(5, 5);
    Down();
    Up();
    EXPECT_EQ(dlg->commands.size(), before + 1);
}

TEST_F(ButtonFixture, OneCommandPerCompletedClickAndNoneWhenDraggedOffOrNotNotifying)
{
    Move(5, 5);
    Down();
    Up();
    ASSERT_EQ(dlg->commands.size(), 1u);
    EXPECT_EQ(dlg->commands[0].wParam, MAKEWPARAM(kId, BN_CLICKED));
    EXPECT_EQ(dlg->commands[0].lParam, 0) << "lParam is 0, not the button's handle";
    EXPECT_FALSE(button.IsHover());
    EXPECT_FALSE(button.IsPressed());
    EXPECT_EQ(::GetCapture(), button.m_hWnd) << "the capture is kept after a click";

    // A second click without moving: the normal frame while pressed.
    Down();
    EXPECT_EQ(Face(), ColourText(kFrameColour[0]));
    Up();
    EXPECT_EQ(dlg->commands.size(), 2u);

    // Pressed, dragged off, released outside.
    Move(5, 5);
    Down();
    Move(kW + 10, 5);
    EXPECT_FALSE(button.IsPressed());
    EXPECT_FALSE(button.IsHover());
    EXPECT_NE(::GetCapture(), button.m_hWnd);
    EXPECT_EQ(Face(), ColourText(kFrameColour[0]));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(kW + 10, 5));
    EXPECT_EQ(dlg->commands.size(), 2u);

    button.m_bNotify = false;
    Move(5, 5);
    Down();
    Up();
    EXPECT_EQ(dlg->commands.size(), 2u);
    EXPECT_FALSE(button.IsPressed());
}

// Down, up, double click, up: the button's own click, then the platform
// button's double-click notification for the second press.
TEST_F(ButtonFixture, DoubleClickGivesTheClickThenThePlatformNotification)
{
    Move(5, 5);
    Down();
    Up();
    DoubleClick();
    Up();
    ASSERT_EQ(dlg->commands.size(), 2u);
    EXPECT_EQ(dlg->commands[0].wParam, MAKEWPARAM(kId, BN_CLICKED));
    EXPECT_EQ(dlg->commands[0].lParam, 0);
    EXPECT_EQ(dlg->commands[1].wParam, MAKEWPARAM(kId, BN_DOUBLECLICKED));
    EXPECT_EQ(dlg->commands[1].lParam, reinterpret_cast<LPARAM>(button.m_hWnd));
}

TEST_F(ButtonFixture, TipTextIsEmptiedWhenThePointerLeavesAndBackOnEntry)
{
    button.SetTipText("截图");
    ASSERT_NE(button.GetToolTip(), nullptr);
    ASSERT_NE(button.GetToolTip()->GetSafeHwnd(), nullptr);
    EXPECT_FALSE(button.GetToolTip()->IsWindowVisible()) << "a tip window shows before any tip";
    EXPECT_EQ(button.GetToolTip()->SendMessage(TTM_GETDELAYTIME, TTDT_INITIAL), 100);
    EXPECT_EQ(Tip(), "截图");

    Move(5, 5);
    Move(-5, 5);
    EXPECT_EQ(Tip(), "") << "tip text while the pointer is outside";
    Move(5, 5);
    EXPECT_EQ(Tip(), "截图");

    // A later SetTipText shows from the next entry; ChangeTipText at once.
    button.SetTipText("帮助");
    EXPECT_EQ(Tip(), "截图");
    Move(-5, 5);
    Move(5, 5);
    EXPECT_EQ(Tip(), "帮助");
    button.ChangeTipText("关闭");
    EXPECT_EQ(Tip(), "关闭");
}

// A tooltip that writes down every size the control proposes for itself,
// and how often it is given a font.
class CRecordingToolTip : public CVelToolTipCtrl {
public:
    std::vector<WINDOWPOS> proposed;
    int fontsGiven = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_WINDOWPOSCHANGING)
            proposed.push_back(*reinterpret_cast<WINDOWPOS*>(lParam));
        if (message == WM_SETFONT)
            ++fontsGiven;
        return CVelToolTipCtrl::WindowProc(message, wParam, lParam);
    }
};

TEST(VelToolTipWindow, ShownTipIsTwentyHighFourWiderAndPaintedInItsColours)
{
    auto dlg = ShowDemoDialog();
    ASSERT_NE(dlg, nullptr);
    CRecordingToolTip tip;
    ASSERT_TRUE(tip.Create(dlg.get(), TTS_ALWAYSTIP | TTS_NOPREFIX));
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    ti.hwnd = dlg->m_hWnd;
    ti.uId = 1;
    ti.lpszText = const_cast<char*>("截图 Capture");
    ASSERT_TRUE(tip.SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
    tip.SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(600, 500));
    tip.SendMessage(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
    ASSERT_TRUE(PumpUntil([&] { return tip.IsWindowVisible() != FALSE; }));

    // The last size the control computed, before the tooltip's rule.
    int computedCx = -1;
    for (const WINDOWPOS& p : tip.proposed)
        if (!(p.flags & SWP_NOSIZE))
            computedCx = p.cx;
    ASSERT_GT(computedCx, 0) << "the control never sized itself";
    RECT tr;
    tip.GetWindowRect(&tr);
    EXPECT_EQ(tr.bottom - tr.top, 20);
    EXPECT_EQ(tr.right - tr.left, computedCx + 4);

    // Moved, not resized: the size stays.
    tip.SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(580, 480));
    ASSERT_TRUE(PumpUntil([&] {
        RECT r;
        tip.GetWindowRect(&r);
        return r.left != tr.left || r.top != tr.top;
    })) << "the tip did not move";
    RECT moved;
    tip.GetWindowRect(&moved);
    EXPECT_EQ(moved.right - moved.left, tr.right - tr.left);
    EXPECT_EQ(moved.bottom - moved.top, 20);

    // Pixels on screen: the navy ring, the two body tones, black centred text.
    RECT client;
    tip.GetClientRect(&client);
    POINT origin{0, 0};
    tip.ClientToScreen(&origin);
    skintest::ScreenPixels screen;
    auto painted = [&] {
        screen = skintest::ReadScreen(moved);
        return screen.at(moved.left, moved.top) == CVelToolTipCtrl::kBorderColour &&
               screen.at(origin.x + 1, origin.y + client.bottom - 1) == CVelToolTipCtrl::kBodyColour;
    };
    ASSERT_TRUE(PumpUntil(painted)) << "corner " << ColourText(screen.at(moved.left, moved.top));
    for (int x = moved.left; x < moved.right; ++x) {
        EXPECT_EQ(screen.at(x, moved.top), CVelToolTipCtrl::kBorderColour) << "top ring at x " << x;
        EXPECT_EQ(screen.at(x, moved.bottom - 1), CVelToolTipCtrl::kBorderColour) << "bottom ring at x " << x;
    }
    for (int y = moved.top; y < moved.bottom; ++y) {
        EXPECT_EQ(screen.at(moved.left, y), CVelToolTipCtrl::kBorderColour) << "left ring at y " << y;
        EXPECT_EQ(screen.at(moved.right - 1, y), CVelToolTipCtrl::kBorderColour) << "right ring at y " << y;
    }
    // Colour by client row, along the client's first column (clear of the text).
    for (int y = 0; y < client.bottom; ++y) {
        const COLORREF want = y < 9 ? CVelToolTipCtrl::kTopBandColour : CVelToolTipCtrl::kBodyColour;
        EXPECT_EQ(ColourText(screen.at(origin.x, origin.y + y)), ColourText(want)) << "client row " << y;
    }
    // The text: dark pixels, their box centred in the client area.
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const COLORREF c = screen.at(origin.x + x, origin.y + y);
            if (GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GE(right, 0) << "no text pixels";
    EXPECT_LE(std::abs(left - (client.right - 1 - right)), 2) << "text from x " << left << " to " << right;
    EXPECT_LE(std::abs(top - (client.bottom - 1 - bottom)), 3) << "text from y " << top << " to " << bottom;

    tip.SendMessage(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
    tip.DestroyWindow();
    dlg->DestroyWindow();
}

// The control sizes the tip by the font it was given, the tooltip draws in
// the interface font of its scale: above 96 DPI, with the scale set before
// the window is made or after, the tip is wide enough for the text in that
// font. At 96 DPI the control keeps its own font.
TEST(VelToolTipWindow, TipAboveTheNaturalScaleIsWideEnoughForItsTextInTheFontItDrawsWith)
{
    auto dlg = ShowDemoDialog();
    ASSERT_NE(dlg, nullptr);
    const char* const text = "设置截屏区域 Region";
    const struct {
        int dpi;
        bool scaleBeforeWindow;
    } cases[] = {{192, true}, {144, false}, {96, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.dpi) + " DPI, scale set " + (c.scaleBeforeWindow ? "before" : "after"));
        const gfx::DisplayScale scale = gfx::DisplayScale::ForDpi(c.dpi);
        CRecordingToolTip tip;
        if (c.scaleBeforeWindow)
            tip.SetScale(scale);
        ASSERT_TRUE(tip.Create(dlg.get(), TTS_ALWAYSTIP | TTS_NOPREFIX));
        if (!c.scaleBeforeWindow)
            tip.SetScale(scale);
        TOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        ti.hwnd = dlg->m_hWnd;
        ti.uId = 1;
        ti.lpszText = const_cast<char*>(text);
        ASSERT_TRUE(tip.SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
        tip.SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(300, 500));
        tip.SendMessage(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
        ASSERT_TRUE(PumpUntil([&] { return tip.IsWindowVisible() != FALSE; }));

        if (scale.IsNatural()) {
            EXPECT_EQ(tip.fontsGiven, 0) << "the control was given a font at 96 DPI";
        } else {
            CClientDC dc(&tip);
            const std::wstring wide = WideFromGbk(text);
            HGDIOBJ previous = ::SelectObject(dc.GetSafeHdc(), GetInterfaceFont(scale)->GetSafeHandle());
            SIZE extent{};
            ::GetTextExtentPoint32W(dc.GetSafeHdc(), wide.c_str(), static_cast<int>(wide.size()), &extent);
            ::SelectObject(dc.GetSafeHdc(), previous);
            RECT client;
            tip.GetClientRect(&client);
            EXPECT_GE(client.right - client.left, extent.cx) << "the text is cut off";
        }
        tip.SendMessage(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
        tip.DestroyWindow();
    }
    dlg->DestroyWindow();
}

} // namespace
