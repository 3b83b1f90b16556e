#include "app/FrameMetrics.h"
#include "skin/VelFrameGeometry.h"
#include "tests/unit/skin/DialogSkins.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace skin;
using skintest::kCaptureClient;
using skintest::kRegionSizeClient;

std::string Text(const SkinSlice& s)
{
    return std::to_string(s.x) + ',' + std::to_string(s.y) + ' ' + std::to_string(s.cx) + 'x' + std::to_string(s.cy);
}

// The two skins' slices as documented, stated here on their own: a change
// to a dialog's table fails here until it is made here too.
TEST(SkinSlices, TheDialogsCutTheirSkinsAsDocumented)
{
    const SkinSlice captureFrame[kSliceCount] = {
        {0, 0, 30, 11},
        {30, 0, 10, 11},
        {148, 0, 91, 11},
        {0, 23, 18, 12},
        {157, 114, 82, 17},
        {0, 145, 31, 17},
        {31, 145, 5, 17},
        {154, 145, 85, 17}};
    const SkinSlice regionSizeDialog[kSliceCount] = {
        {0, 0, 20, 26},
        {26, 0, 3, 26},
        {60, 0, 40, 26},
        {0, 26, 2, 5},
        {98, 26, 2, 5},
        {0, 68, 15, 2},
        {15, 68, 5, 2},
        {91, 68, 9, 2}};
    for (int i = 0; i < kSliceCount; ++i) {
        EXPECT_EQ(Text(frame::kSkinSlices.items[i]), Text(captureFrame[i])) << "slice " << i;
        EXPECT_EQ(Text(rgnsize::kSkinSlices.items[i]), Text(regionSizeDialog[i])) << "slice " << i;
    }
}

TEST(SkinSlices, OutOfRangeIndexChangesNothingAndMetricsComeFromTheRightSlices)
{
    SkinSlices s = frame::kSkinSlices;
    EXPECT_FALSE(s.Set(-1, {1, 1, 1, 1}));
    EXPECT_FALSE(s.Set(8, {1, 1, 1, 1}));

    EXPECT_EQ(s.TitleHeight(), 11);
    EXPECT_EQ(s.LeftWidth(), 18);
    EXPECT_EQ(s.RightWidth(), 82);
    EXPECT_EQ(s.BottomHeight(), 17);
    EXPECT_EQ(s.BottomRightHeight(), 17);
}

TEST(HitTestFrame, CaptureFrameSlicesIn280x175)
{
    const SkinSlices& s = frame::kSkinSlices;
    const std::pair<POINT, int> cases[] = {
        {{20, 5}, kHitMenuSpot},     {{37, 5}, kHitMenuSpot},
        {{38, 5}, HTCAPTION},                                // menu spot's right edge is exclusive
        {{200, 5}, HTCAPTION},                               // title band comes before the top-right corner
        {{261, 5}, HTCAPTION},       {{262, 5}, HTTOPRIGHT}, // band is inset by the left width on the right too
        {{10, 1}, HTTOPLEFT},        {{17, 5}, HTTOPLEFT},
        {{100, 1}, HTTOP},           {{270, 1}, HTTOPRIGHT},
        {{1, 50}, HTLEFT},           {{5, 50}, HTCLIENT}, // side edges are only 3 pixels wide
        {{279, 50}, HTRIGHT},        {{276, 50}, HTCLIENT},
        {{150, 90}, HTCLIENT},       {{10, 170}, HTBOTTOMLEFT},
        {{150, 174}, HTBOTTOM},      {{150, 171}, HTCLIENT},
        {{279, 170}, HTBOTTOMRIGHT}, {{280, 170}, HTCLIENT}, // outside the client area
    };
    for (const auto& [p, code] : cases)
        EXPECT_EQ(HitTestFrame(s, kCaptureClient, p), code) << "at " << p;
}

TEST(HitTestFrame, ThinEdgesOfTheRegionSizeDialog)
{
    // Edges of 2 pixels stay 2 wide; the title band is 26 high.
    const SkinSlices& s = rgnsize::kSkinSlices;
    const std::pair<POINT, int> cases[] = {
        {{10, 20}, kHitMenuSpot},
        {{30, 20}, HTCAPTION},
        {{1, 20}, HTTOPLEFT},
        {{1, 50}, HTLEFT},
        {{2, 50}, HTCLIENT},
        {{198, 50}, HTRIGHT},
        {{197, 50}, HTCLIENT},
        {{1, 99}, HTBOTTOMLEFT},
        {{50, 97}, HTBOTTOM},
        {{199, 99}, HTBOTTOMRIGHT},
    };
    for (const auto& [p, code] : cases)
        EXPECT_EQ(HitTestFrame(s, kRegionSizeClient, p), code) << "at " << p;
}

// The capture frame at its default size at 150 % and 200 %: the resize bands
// and the menu spot grow with the scale (3 and 20 pixels at 96 DPI), the
// bands around them are the scaled slices'.
TEST(HitTestFrame, CaptureFrameAtItsDefaultSizeAt150And200Percent)
{
    struct Case {
        POINT p;
        int code;
    };
    const struct {
        int dpi;
        std::vector<Case> cases;
    } scales[] = {
        {144, // 420 x 263; title 17, left 27, right 123, bottom 25, bands 5, spot 30
         {{{30, 4}, HTTOP},
          {{30, 5}, kHitMenuSpot},
          {{56, 16}, kHitMenuSpot},
          {{57, 5}, HTCAPTION},
          {{4, 100}, HTLEFT},
          {{5, 100}, HTCLIENT},
          {{415, 100}, HTRIGHT},
          {{414, 100}, HTCLIENT},
          {{200, 258}, HTBOTTOM},
          {{200, 257}, HTCLIENT},
          {{395, 238}, HTBOTTOMRIGHT},
          {{394, 250}, HTCLIENT}}},
        {192, // 560 x 350; title 22, left 36, right 164, bottom 34, bands 6, spot 40
         {{{100, 5}, HTTOP},
          {{100, 6}, HTCAPTION},
          {{36, 6}, kHitMenuSpot},
          {{75, 21}, kHitMenuSpot},
          {{76, 10}, HTCAPTION},
          {{523, 10}, HTCAPTION},
          {{524, 10}, HTTOPRIGHT},
          {{5, 100}, HTLEFT},
          {{6, 100}, HTCLIENT},
          {{554, 100}, HTRIGHT},
          {{553, 100}, HTCLIENT},
          {{200, 344}, HTBOTTOM},
          {{200, 343}, HTCLIENT},
          {{526, 316}, HTBOTTOMRIGHT}}},
    };
    for (const auto& [dpi, cases] : scales) {
        const frame::FrameMetrics m = frame::MetricsAt(gfx::DisplayScale::ForDpi(dpi));
        const RECT client{0, 0, m.defaultSize.cx, m.defaultSize.cy};
        for (const Case& c : cases)
            EXPECT_EQ(HitTestFrame(m.slices, client, c.p, m.scale), c.code) << "at " << c.p << ", " << dpi << " DPI";
    }
}

TEST(FrameCursor, SizingCursorOnlyOverResizableUnmaximisedFrameBorders)
{
    EXPECT_EQ(FrameCursorId(true, false, true, HTTOP), 32645);
    EXPECT_EQ(FrameCursorId(true, false, true, HTBOTTOM), 32645);
    EXPECT_EQ(FrameCursorId(true, false, true, HTTOPLEFT), 32642);
    EXPECT_EQ(FrameCursorId(true, false, true, HTBOTTOMRIGHT), 32642);
    EXPECT_EQ(FrameCursorId(true, false, true, HTTOPRIGHT), 32643);
    EXPECT_EQ(FrameCursorId(true, false, true, HTBOTTOMLEFT), 32643);
    EXPECT_EQ(FrameCursorId(true, false, true, HTLEFT), 32644);
    EXPECT_EQ(FrameCursorId(true, false, true, HTRIGHT), 32644);

    for (int code : {HTCLIENT, HTCAPTION, kHitMenuSpot})
        EXPECT_EQ(FrameCursorId(true, false, true, code), 0) << code;
    EXPECT_EQ(FrameCursorId(false, false, true, HTLEFT), 0) << "over a child window";
    EXPECT_EQ(FrameCursorId(true, true, true, HTLEFT), 0) << "maximised";
    EXPECT_EQ(FrameCursorId(true, false, false, HTLEFT), 0) << "not resizable";
}

TEST(FramePress, ClientAndTitleDragBordersResizeExceptTheGripWhenMaximised)
{
    for (bool resizable : {true, false})
        for (int code : {HTCLIENT, HTCAPTION, kHitMenuSpot})
            EXPECT_EQ(ActionForPress(code, resizable, false, false), PressAction::DragWindow) << code;
    for (int code = HTLEFT; code <= HTBOTTOMLEFT; ++code)
        EXPECT_EQ(ActionForPress(code, true, true, false), PressAction::BeginResize) << code;
    EXPECT_EQ(ActionForPress(HTBOTTOMRIGHT, true, false, false), PressAction::BeginResize);
    EXPECT_EQ(ActionForPress(HTBOTTOMRIGHT, true, true, false), PressAction::Nothing);
    EXPECT_EQ(ActionForPress(HTBOTTOMRIGHT, true, false, true), PressAction::Nothing);
    // Not resizable: no border starts anything, the platform's sizing included.
    for (int code = HTLEFT; code <= HTBOTTOMRIGHT; ++code)
        EXPECT_EQ(ActionForPress(code, false, false, false), PressAction::Nothing) << code;

    EXPECT_TRUE(DoubleClickTogglesMaximise(HTCAPTION));
    EXPECT_FALSE(DoubleClickTogglesMaximise(kHitMenuSpot));
    EXPECT_FALSE(DoubleClickTogglesMaximise(HTCLIENT));
}

TEST(ResizeRect, LeftEdgeStopsAtTheMinimumWidthFromTheRightEdge)
{
    const RECT press{100, 100, 380, 275};
    const POINT pressPoint{101, 180};
    const RECT r = ResizeRect(HTLEFT, press, pressPoint, POINT{pressPoint.x + 300, 180}, {115, 37});
    EXPECT_EQ(r, (RECT{265, 100, 380, 275}));
}

TEST(ResizeRect, EveryBorderMovesItsEdgesAndIsClampedToTheMinimum)
{
    const RECT press{100, 100, 380, 275};
    const POINT pressPoint{240, 190};
    const SIZE minSize{115, 37};
    struct Case {
        int code;
        RECT moved;   // cursor moved by (+20, +10)
        RECT clamped; // cursor moved 300 pixels inwards on each following edge
    };
    const Case cases[] = {
        {HTLEFT, {120, 100, 380, 275}, {265, 100, 380, 275}},
        {HTRIGHT, {100, 100, 400, 275}, {100, 100, 215, 275}},
        {HTTOP, {100, 110, 380, 275}, {100, 238, 380, 275}},
        {HTTOPLEFT, {120, 110, 380, 275}, {265, 238, 380, 275}},
        {HTTOPRIGHT, {100, 110, 400, 275}, {100, 238, 215, 275}},
        {HTBOTTOM, {100, 100, 380, 285}, {100, 100, 380, 137}},
        {HTBOTTOMLEFT, {120, 100, 380, 285}, {265, 100, 380, 137}},
        {HTBOTTOMRIGHT, {100, 100, 400, 285}, {100, 100, 215, 137}},
    };
    for (const Case& c : cases) {
        const ResizeEdges e = EdgesFollowingMouse(c.code);
        const POINT moved{pressPoint.x + 20, pressPoint.y + 10};
        const POINT inwards{pressPoint.x + (e.left ? 300 : -300), pressPoint.y + (e.top ? 300 : -300)};
        EXPECT_EQ(ResizeRect(c.code, press, pressPoint, moved, minSize), c.moved) << c.code;
        EXPECT_EQ(ResizeRect(c.code, press, pressPoint, inwards, minSize), c.clamped) << c.code;
    }
    // A code that is no border leaves the window where it was pressed.
    EXPECT_EQ(ResizeRect(HTCAPTION, press, pressPoint, POINT{0, 0}, minSize), press);
}

TEST(ResizeTimer, OtherTimersIgnoredAndTicksWithoutAResizeStopTheTimer)
{
    EXPECT_EQ(ResizeTickAction(2, true, HTLEFT, true), ResizeTick::Ignore);
    EXPECT_EQ(ResizeTickAction(kResizeTimerId, false, HTLEFT, true), ResizeTick::StopTimer);
    EXPECT_EQ(ResizeTickAction(kResizeTimerId, true, kNoResize, true), ResizeTick::StopTimer);
    EXPECT_EQ(ResizeTickAction(kResizeTimerId, true, HTBOTTOMRIGHT, true), ResizeTick::MoveWindow);
    // Swapped buttons: the primary one is physically the right one.
    EXPECT_EQ(PrimaryButtonKey(false), VK_LBUTTON);
    EXPECT_EQ(PrimaryButtonKey(true), VK_RBUTTON);
}

TEST(MaximisedGeometry, FrameEdgesLieOutsideTheWorkArea)
{
    const SkinSlices& s = frame::kSkinSlices;
    MINMAXINFO info{};
    info.ptMaxTrackSize = POINT{5000, 4000};
    FillMinMaxInfo(info, s, SIZE{115, 37}, RECT{0, 0, 1024, 738});
    EXPECT_EQ(info.ptMaxPosition, (POINT{-18, -3}));
    EXPECT_EQ(info.ptMaxSize, (POINT{1124, 758}));
    EXPECT_EQ(info.ptMinTrackSize, (POINT{115, 37}));
    EXPECT_EQ(info.ptMaxTrackSize, (POINT{5000, 4000})) << "left to the platform";

    // A work area that does not start at the origin (taskbar on the left).
    const RECT shifted{60, 0, 1024, 768};
    EXPECT_EQ(MaximisedPosition(s, shifted), (POINT{42, -3}));
    const SIZE size = MaximisedSize(s, shifted);
    EXPECT_EQ(size.cx, 1064);
    EXPECT_EQ(size.cy, 788);
}

TEST(FrameRects, InnerRectAndTitleTextRectOfBothDialogs)
{
    const SkinSlices& capture = frame::kSkinSlices;
    EXPECT_EQ(GetInnerRect(capture, kCaptureClient), (RECT{18, 11, 198, 158}));
    EXPECT_EQ(GetInnerRect(rgnsize::kSkinSlices, kRegionSizeClient), (RECT{2, 26, 198, 98}));

    const auto& m = skintest::kCaptureFrameCaption;
    const POINT title{35, 7};
    EXPECT_EQ(TitleTextRect(capture, kCaptureClient, title, m, true, true), (RECT{35, 7, 176, 11}));
    EXPECT_EQ(TitleTextRect(capture, kCaptureClient, title, m, false, false).right, 226);
    EXPECT_EQ(TitleTextRect(capture, kCaptureClient, title, m, false, true).right, 201);

    // Region size dialog: minimise hidden, no maximise button; spacing 1 is
    // reserved twice whatever is shown.
    EXPECT_EQ(
        TitleTextRect(rgnsize::kSkinSlices, kRegionSizeClient, POINT{8, 7}, skintest::kRegionSizeCaption, false, false),
        (RECT{8, 7, 155, 26}));
    EXPECT_EQ(SubtitleRect(capture, kCaptureClient, POINT{40, 2}), (RECT{40, 2, 280, 11}));
}

TEST(FramePainting, PartsCoverTheFrameInPaintOrder)
{
    const SkinSlices& s = frame::kSkinSlices;
    EXPECT_EQ(kFramePaintOrder[0], FramePart::Top);
    EXPECT_EQ(kFramePaintOrder[3], FramePart::Bottom);
    EXPECT_EQ(FramePartRect(s, FramePart::Top, kCaptureClient), (RECT{0, 0, 280, 11}));
    EXPECT_EQ(FramePartRect(s, FramePart::Left, kCaptureClient), (RECT{0, 11, 18, 158}));
    EXPECT_EQ(FramePartRect(s, FramePart::Right, kCaptureClient), (RECT{198, 11, 280, 158}));
    EXPECT_EQ(FramePartRect(s, FramePart::Bottom, kCaptureClient), (RECT{0, 158, 280, 175}));

    // The side parts are one stretch each, over the whole part.
    const PartTransfers left = FramePartTransfers(s, FramePart::Left, SIZE{18, 147});
    ASSERT_EQ(left.count, 1);
    EXPECT_EQ(left.items[0].slice, Slice::Left);
    EXPECT_TRUE(left.items[0].stretch);
    EXPECT_EQ(left.items[0].cy, 147);
}

// The three pieces of a band, as (slice, x, cx, height, stretch).
void ExpectBand(const PartTransfers& t, Slice first, int middleX, int middleCx, int lastX, int height)
{
    ASSERT_EQ(t.count, 3);
    const Slice middle = static_cast<Slice>(static_cast<int>(first) + 1);
    const Slice last = static_cast<Slice>(static_cast<int>(first) + 2);
    EXPECT_EQ(t.items[0].slice, first);
    EXPECT_EQ(t.items[0].x, 0);
    EXPECT_FALSE(t.items[0].stretch);
    EXPECT_EQ(t.items[1].slice, middle);
    EXPECT_EQ(t.items[1].x, middleX);
    EXPECT_EQ(t.items[1].cx, middleCx);
    EXPECT_EQ(t.items[1].cy, height);
    EXPECT_TRUE(t.items[1].stretch);
    EXPECT_EQ(t.items[2].slice, last);
    EXPECT_EQ(t.items[2].x, lastX);
    EXPECT_FALSE(t.items[2].stretch);
    for (const SliceTransfer& x : t)
        EXPECT_EQ(x.y, 0);
}

TEST(FramePainting, TopAndBottomBandsTileTheirPart)
{
    const SkinSlices& s = frame::kSkinSlices;
    ExpectBand(FramePartTransfers(s, FramePart::Top, SIZE{280, 11}), Slice::TopLeft, 30, 159, 189, 11);
    ExpectBand(FramePartTransfers(s, FramePart::Bottom, SIZE{280, 17}), Slice::BottomLeft, 31, 164, 195, 17);

    // At the skin's own size every column of the band comes from the same
    // column of the skin: the stretched middle is exactly as wide as the gap
    // between the corner slices in the skin.
    const PartTransfers top = FramePartTransfers(s, FramePart::Top, SIZE{239, 11});
    EXPECT_EQ(top.items[1].cx, s[Slice::TopRight].x - s[Slice::TopLeft].cx);
    EXPECT_EQ(top.items[2].x + top.items[2].cx, 239);
}

TEST(FramePainting, NarrowWindowPassesNegativeMiddleWidthThatTheRightCornerCovers)
{
    // At the capture frame's minimum width 115 the corners (30 + 91 and
    // 31 + 85) are wider than the window.
    const SkinSlices& s = frame::kSkinSlices;
    const PartTransfers top = FramePartTransfers(s, FramePart::Top, SIZE{115, 11});
    ExpectBand(top, Slice::TopLeft, 30, -6, 24, 11);
    const PartTransfers bottom = FramePartTransfers(s, FramePart::Bottom, SIZE{115, 17});
    ExpectBand(bottom, Slice::BottomLeft, 31, -1, 30, 17);

    // A negative width mirrors the middle leftwards from its x; the right
    // corner is drawn later over exactly that span.
    for (const PartTransfers* t : {&top, &bottom}) {
        const SliceTransfer& middle = t->items[1];
        const SliceTransfer& corner = t->items[2];
        EXPECT_GE(middle.x + middle.cx, corner.x);
        EXPECT_LE(middle.x, corner.x + corner.cx);
    }
}

// Magenta in a quarter circle at each corner of a skin: `rows` pixels in the
// row nearest the corner, one fewer in each next row.
std::set<std::pair<int, int>> QuarterCircleCorners(SIZE skin, int rows)
{
    std::set<std::pair<int, int>> key;
    for (int row = 0; row < rows; ++row)
        for (int i = 0; i < rows - row; ++i) {
            key.insert({i, row});
            key.insert({skin.cx - 1 - i, row});
            key.insert({i, skin.cy - 1 - row});
            key.insert({skin.cx - 1 - i, skin.cy - 1 - row});
        }
    return key;
}

TEST(WindowRegion, CornerKeyPixelsOfTheSkinCutTheWindowCorners)
{
    const SIZE skin{239, 162};
    auto key = QuarterCircleCorners(skin, 3);
    ASSERT_EQ(key.size(), 24u);
    // Key pixels outside the 5x5 corner squares must have no effect.
    key.insert({5, 0});
    key.insert({233, 0});
    key.insert({0, 156});
    key.insert({120, 80});
    const auto isKey = [&](POINT p) { return key.count({p.x, p.y}) != 0; };

    const std::vector<POINT> cut = RegionPixelsToCut(skin, SIZE{280, 175}, isKey);
    ASSERT_EQ(cut.size(), 24u);
    std::set<std::pair<int, int>> window;
    for (const POINT& p : cut)
        window.insert({p.x, p.y});
    EXPECT_EQ(window.size(), 24u) << "each window pixel is cut once";
    const std::pair<int, int> corners[] = {
        {0, 0}, {2, 0}, {0, 2}, {279, 0}, {277, 0}, {0, 174}, {279, 174}, {278, 173}};
    for (const auto& p : corners)
        EXPECT_EQ(window.count(p), 1u) << p.first << ',' << p.second;
    EXPECT_EQ(window.count({3, 0}), 0u);
    EXPECT_EQ(window.count({1, 2}), 0u);

    // The region size dialog's skin: 2 and 1 pixels per corner.
    const SIZE small{100, 70};
    const auto smallKey = QuarterCircleCorners(small, 2);
    const auto isSmallKey = [&](POINT p) { return smallKey.count({p.x, p.y}) != 0; };
    EXPECT_EQ(RegionPixelsToCut(small, SIZE{200, 100}, isSmallKey).size(), 12u);
}

TEST(WindowRegion, EveryCornerSquarePixelIsExaminedOnce)
{
    const auto pixels = RegionCornerPixels(SIZE{100, 70}, SIZE{200, 100});
    std::set<std::pair<int, int>> skinPixels;
    for (const CornerPixel& p : pixels)
        skinPixels.insert({p.skin.x, p.skin.y});
    EXPECT_EQ(skinPixels.size(), 100u);
    // The bottom-right square's last pixel maps onto the window's last pixel.
    EXPECT_EQ(pixels.back().skin, (POINT{99, 69}));
    EXPECT_EQ(pixels.back().window, (POINT{199, 99}));
}

} // namespace
