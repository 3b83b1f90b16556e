// The transparent button's three painters, pixel by pixel.
#include "skin/CVelTransButton.h"
#include "tests/unit/PixelTestSupport.h"
#include "tests/unit/transbutton/TransButtonTestWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using tbtest::InkBounds;
using tbtest::Paint;
using tbtest::RectText;

constexpr COLORREF kBack = RGB(200, 210, 220);
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kNearKey = RGB(254, 0, 255);
constexpr COLORREF kNormalText = RGB(200, 0, 0);
constexpr COLORREF kHoverText = RGB(0, 0, 230);

// A skin strip whose every pixel names its own place: (column, row, 100),
// except one key pixel and one almost-key pixel in each frame.
constexpr int kW = 10;
constexpr int kH = 8;
constexpr POINT kKeyAt{1, 1};
constexpr POINT kNearKeyAt{2, 1};

COLORREF StripPixel(int sx, int y)
{
    const int fx = sx % kW;
    if (fx == kKeyAt.x && y == kKeyAt.y)
        return kKey;
    if (fx == kNearKeyAt.x && y == kNearKeyAt.y)
        return kNearKey;
    return RGB(sx, y, 100);
}

CBitmap MakeStrip()
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < 3 * kW; ++x)
            pixels.push_back(StripPixel(x, y));
    return MakeBitmap(3 * kW, kH, pixels);
}

// What a button in the bitmap look must show for a given frame.
std::vector<COLORREF> ExpectedFrame(int frame)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const COLORREF skin = StripPixel(frame * kW + x, y);
            pixels.push_back(skin == kKey ? kBack : skin);
        }
    }
    return pixels;
}

// The first pixel where two pictures differ, for a readable failure.
std::string FirstDifference(const std::vector<COLORREF>& got, const std::vector<COLORREF>& want, int width)
{
    for (std::size_t i = 0; i < got.size() && i < want.size(); ++i) {
        if (got[i] != want[i])
            return "at (" + std::to_string(i % width) + "," + std::to_string(i / width) + ") got " +
                   ColourText(got[i]) + ", wanted " + ColourText(want[i]);
    }
    return got.size() == want.size() ? "none" : "sizes differ";
}

// A button in a visible window, so that hover and press can be had with
// the mouse messages the button handles.
struct PainterFixture : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(parent.Open()); }

    void CreateButton(const char* text, int w, int h)
    {
        ASSERT_TRUE(button.Create(text, WS_CHILD | WS_VISIBLE, RECT{20, 20, 20 + w, 20 + h}, &parent, 7570));
        size = SIZE{w, h};
        button.SetBackColor(kBack);
    }

    void Hover() { button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(1, 1)); }
    void Press() { button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1)); }
    void Leave() { button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(size.cx + 30, 1)); }

    RECT Ink() { return InkBounds(Paint(button), size.cx, size.cy, kBack); }

    tbtest::CTestParent parent;
    CVelTransButton button;
    SIZE size{};
};

TEST_F(PainterFixture, BitmapLookShowsTheFrameOfItsStateWithOnlyExactMagentaSeeThrough)
{
    CreateButton("", kW, kH);
    CBitmap strip = MakeStrip();
    button.SetBitmapStyle(&strip, nullptr, FALSE);

    auto expectFrame = [&](int frame, const char* state) {
        const auto got = Paint(button);
        EXPECT_EQ(got, ExpectedFrame(frame)) << state << ": " << FirstDifference(got, ExpectedFrame(frame), kW);
    };
    expectFrame(0, "idle");
    Press();
    ASSERT_TRUE(button.IsPressed());
    expectFrame(0, "pressed without hover");
    Leave();
    Hover();
    ASSERT_TRUE(button.IsHover());
    expectFrame(1, "hovered");
    Press();
    expectFrame(2, "hovered and pressed");
}

TEST_F(PainterFixture, BitmapLookWithoutSkinCentresTheIconAndInsetsTheTextInTheNormalColour)
{
    constexpr COLORREF kIconColour = RGB(0, 180, 0);
    CreateButton("", 31, 21);
    button.SetBitmapStyle(nullptr, tbtest::MakeIcon(16, kIconColour, kIconColour), TRUE);
    // Without a skin: the background and the icon at ((31-16)/2, (21-16)/2).
    auto pixels = Paint(button);
    EXPECT_EQ(RectText(InkBounds(pixels, 31, 21, kBack)), RectText(RECT{7, 2, 23, 18}));
    EXPECT_EQ(pixels[10 * 31 + 15], kIconColour);

    // Text instead of the icon: at (2, 3), cut at 12 pixels from the right,
    // in the normal colour even while hovered.
    button.DestroyWindow();
    CreateButton("Wide text that will not fit", 60, 21);
    button.SetBitmapStyle(nullptr, nullptr, TRUE);
    button.SetTextColors(kNormalText, kHoverText);
    Hover();
    pixels = Paint(button);
    const RECT ink = InkBounds(pixels, 60, 21, kBack);
    const auto reference = tbtest::ReferenceText(
        ::GetStockObject(DEFAULT_GUI_FONT),
        "Wide text that will not fit",
        DT_SINGLELINE | DT_END_ELLIPSIS,
        60 - 12 - 2,
        21 - 3,
        kBack,
        kNormalText);
    const RECT refInk = InkBounds(reference, 60 - 12 - 2, 21 - 3, kBack);
    EXPECT_EQ(RectText(ink), RectText(RECT{refInk.left + 2, refInk.top + 3, refInk.right + 2, refInk.bottom + 3}));
    EXPECT_LE(ink.right, 60 - 12) << "the text runs into the right margin";
    EXPECT_TRUE(tbtest::HasColour(pixels, kNormalText));
    EXPECT_FALSE(tbtest::HasColour(pixels, kHoverText)) << "the bitmap look has no hover colour";

    // The same text as the name a screen reader reads is not drawn.
    button.SetAccessibleName("Wide text that will not fit");
    EXPECT_FALSE(tbtest::HasColour(Paint(button), kNormalText)) << "the name is drawn";
}

// The text look's text: 12-pixel centring from the top, the hover colour
// while hovered or pressed, and the 1-pixel push only while both.
TEST_F(PainterFixture, TextLookCentresOnTwelvePixelsAndShiftsOnlyWhilePressedAndHovered)
{
    const char* text = "OK";
    for (int h : {20, 25}) {
        SCOPED_TRACE("button height " + std::to_string(h));
        button.DestroyWindow();
        CreateButton(text, 40, h);
        button.SetTextStyle();
        button.SetTextColors(kNormalText, kHoverText);
        const int top = (h - 12) / 2;
        const auto reference =
            tbtest::ReferenceText(::GetStockObject(DEFAULT_GUI_FONT), text, DT_SINGLELINE, 40, h, kBack, kNormalText);
        const RECT r = InkBounds(reference, 40, h, kBack);
        auto at = [&](int dx, int dy) { return RectText(RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}); };

        auto pixels = Paint(button);
        EXPECT_EQ(RectText(InkBounds(pixels, 40, h, kBack)), at(0, top)) << "idle";
        EXPECT_TRUE(tbtest::HasColour(pixels, kNormalText));

        Press();
        pixels = Paint(button);
        EXPECT_EQ(RectText(InkBounds(pixels, 40, h, kBack)), at(0, top)) << "pressed, not hovered: no shift";
        EXPECT_TRUE(tbtest::HasColour(pixels, kHoverText)) << "pressed shows the hover colour";

        Leave();
        Hover();
        pixels = Paint(button);
        EXPECT_EQ(RectText(InkBounds(pixels, 40, h, kBack)), at(0, top)) << "hovered: no shift";
        EXPECT_TRUE(tbtest::HasColour(pixels, kHoverText));

        Press();
        pixels = Paint(button);
        EXPECT_EQ(RectText(InkBounds(pixels, 40, h, kBack)), at(1, top + 1)) << "pressed and hovered";
        Leave();
    }
}

// The icon is drawn at the button's 16 x 16 icon size.
TEST_F(PainterFixture, LabelPutsItsIconAtTheLeftNeverAboveTheTopAndTheTextAfterIt)
{
    constexpr COLORREF kIconColour = RGB(0, 180, 0);
    constexpr COLORREF kIconTop = RGB(250, 200, 0);
    const char* text = "Width";
    // A 20-pixel label centres the icon; in a 12-pixel one the offset would
    // be -2, and the icon starts at the top edge instead.
    struct Case {
        int height;
        int iconTop;
    };
    for (const Case& c : {Case{20, 2}, Case{12, 0}}) {
        SCOPED_TRACE("label height " + std::to_string(c.height));
        button.DestroyWindow();
        CreateButton(text, 80, c.height);
        button.SetTextColors(kNormalText, kHoverText);
        button.SetLabelStyle(tbtest::MakeIcon(16, kIconColour, kIconTop));
        const auto pixels = Paint(button);

        EXPECT_EQ(ColourText(pixels[c.iconTop * 80 + 8]), ColourText(kIconTop)) << "the icon's top row";
        if (c.iconTop > 0) {
            EXPECT_EQ(ColourText(pixels[(c.iconTop - 1) * 80 + 8]), ColourText(kBack));
        }
        const int iconBottom = std::min(c.iconTop + 16, c.height);
        EXPECT_EQ(ColourText(pixels[(iconBottom - 1) * 80 + 15]), ColourText(kIconColour));
        EXPECT_EQ(ColourText(pixels[(c.height / 2) * 80 + 16]), ColourText(kBack)) << "the icon is 16 wide";

        // The text: vertically centred, from icon width + 3.
        const auto reference = tbtest::ReferenceText(
            ::GetStockObject(DEFAULT_GUI_FONT), text, DT_SINGLELINE | DT_VCENTER, 80, c.height, kBack, kNormalText);
        const RECT r = InkBounds(reference, 80, c.height, kBack);
        std::vector<COLORREF> textPart;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < 80; ++x)
                textPart.push_back(x < 16 ? kBack : pixels[y * 80 + x]);
        EXPECT_EQ(RectText(InkBounds(textPart, 80, c.height, kBack)),
                  RectText(RECT{r.left + 19, r.top, r.right + 19, r.bottom}));
        EXPECT_TRUE(tbtest::HasColour(textPart, kNormalText));
    }
}

TEST_F(PainterFixture, EmptyTextAndNoIconPaintOnlyTheBackgroundInEveryLook)
{
    CreateButton("", 30, 20);
    const std::vector<COLORREF> plain(30 * 20, kBack);
    button.SetLabelStyle(nullptr);
    EXPECT_EQ(Paint(button), plain) << "label";
    button.SetTextStyle();
    EXPECT_EQ(Paint(button), plain) << "text";
    CBitmap empty;
    button.SetBitmapStyle(&empty, nullptr, FALSE);
    EXPECT_EQ(Paint(button), plain) << "bitmap look with a skin object holding no bitmap";
}

} // namespace
