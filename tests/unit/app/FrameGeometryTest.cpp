#include "app/FrameGeometry.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace {

bool Equal(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

::testing::AssertionResult RectIs(const RECT& actual, LONG l, LONG t, LONG r, LONG b)
{
    if (Equal(actual, RECT{l, t, r, b}))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << actual.left << "," << actual.top << "," << actual.right << ","
                                         << actual.bottom << ")";
}

TEST(FrameGeometry, DefaultFrameLayout)
{
    const SIZE client{280, 175};
    const RECT viewport = frame::ViewportRect(client);
    EXPECT_TRUE(RectIs(viewport, 18, 11, 198, 164));
    EXPECT_EQ(viewport.right - viewport.left, 180);
    EXPECT_EQ(viewport.bottom - viewport.top, 153);

    const frame::PanelLayout p = frame::LayoutPanel(client);
    EXPECT_TRUE(RectIs(p.close, 251, 0, 280, 22));
    EXPECT_TRUE(RectIs(p.capture, 213, 23, 263, 73));
    EXPECT_TRUE(RectIs(p.setSize, 218, 75, 256, 110));
    EXPECT_TRUE(RectIs(p.help, 251, 93, 271, 113));
    EXPECT_TRUE(RectIs(p.sizeLabel, 204, 158, 256, 171));
}

// At 125 % every edge of the skin is scaled as a position: the panel is the
// skin's right edge (239 -> 299) less its left edge (157 -> 196), the
// capture button's left edge lies at 172 -> 215, 84 from the right.
TEST(FrameGeometry, AtAScaleTheBandsAndPlacesAreTheSkinsEdgesScaled)
{
    const frame::FrameMetrics m = frame::MetricsAt(gfx::DisplayScale::ForDpi(120));
    EXPECT_EQ(m.defaultSize.cx, 350);
    EXPECT_EQ(m.defaultSize.cy, 219);
    EXPECT_EQ(m.minTrackSize.cx, 144);
    EXPECT_EQ(m.minTrackSize.cy, 46);
    EXPECT_EQ(m.sizeLabelFontHeight, 14);

    const SIZE client = m.defaultSize;
    EXPECT_TRUE(RectIs(frame::ViewportRect(client, m), 23, 14, 247, 205));
    const frame::PanelLayout p = frame::LayoutPanel(client, m);
    EXPECT_TRUE(RectIs(p.close, 314, 0, 350, 28));
    EXPECT_TRUE(RectIs(p.capture, 266, 29, 329, 91));
    EXPECT_TRUE(RectIs(p.sizeLabel, 255, 197, 320, 214));

    const SIZE typed = frame::FrameSizeForViewport(320, 240, m);
    EXPECT_EQ(typed.cx, 446);
    EXPECT_EQ(typed.cy, 268);
}

TEST(FrameGeometry, AScaleChangeKeepsTheViewportOnTheSameDevicePixels)
{
    const RECT viewport{118, 111, 438, 351};
    const frame::FrameMetrics at150 = frame::MetricsAt(gfx::DisplayScale::ForDpi(144));
    const RECT window = frame::WindowAroundViewport(viewport, at150);
    EXPECT_TRUE(RectIs(window, 91, 94, 561, 367));
    const RECT inside = frame::ViewportRect(SIZE{window.right - window.left, window.bottom - window.top}, at150);
    EXPECT_TRUE(RectIs(inside, 27, 17, 347, 257));
    EXPECT_TRUE(RectIs(frame::WindowAroundViewport(viewport, frame::kNaturalMetrics), 100, 100, 520, 362));
}

TEST(FrameGeometry, ViewportAndFrameSizesAreInverse)
{
    const SIZE frameSize = frame::FrameSizeForViewport(320, 240);
    EXPECT_EQ(frameSize.cx, 420);
    EXPECT_EQ(frameSize.cy, 262);
    const RECT v = frame::ViewportRect(frameSize);
    EXPECT_EQ(v.right - v.left, 320);
    EXPECT_EQ(v.bottom - v.top, 240);

    const SIZE tiny = frame::FrameSizeForViewport(1, 1);
    EXPECT_EQ(tiny.cx, 101) << "typed sizes get no minimum";
    EXPECT_EQ(tiny.cy, 23);
}

TEST(FrameGeometry, HugeTypedSizesAreClampedWithoutOverflow)
{
    const SIZE s = frame::FrameSizeForViewport(INT_MAX, INT_MAX - 5);
    EXPECT_EQ(s.cx, frame::kMaxFrameExtent);
    EXPECT_EQ(s.cy, frame::kMaxFrameExtent);
    const SIZE big = frame::FrameSizeForViewport(40000, 100);
    EXPECT_EQ(big.cx, frame::kMaxFrameExtent);
    EXPECT_EQ(big.cy, 122);
}

TEST(FrameGeometry, RememberedGeometryRoundTripsAndNeedsBothValues)
{
    const DWORD size = frame::PackPair(280, 175);
    const DWORD xy = frame::PackPair(372, 281);
    RECT rc{};
    ASSERT_TRUE(frame::RestoredWindowRect(size, xy, &rc));
    EXPECT_TRUE(RectIs(rc, 372, 281, 652, 456));

    EXPECT_FALSE(frame::RestoredWindowRect(size, 0, &rc));
    EXPECT_FALSE(frame::RestoredWindowRect(0, xy, &rc));

    // Values are 16-bit and read back unsigned.
    EXPECT_EQ(frame::PackPair(0x12345, 7), static_cast<DWORD>(MAKELONG(0x2345, 7)));
    ASSERT_TRUE(frame::RestoredWindowRect(frame::PackPair(40000, 100), frame::PackPair(60000, 5), &rc));
    EXPECT_TRUE(RectIs(rc, 60000, 5, 100000, 105));
}

// The stored size is the frame at 96 DPI around its viewport: a 300 x 278
// viewport stored as 400 x 300 comes back as 300 x 278 at 150 %, and
// at 96 DPI every stored value is the frame's own size.
TEST(FrameGeometry, TheStoredSizeKeepsTheViewportAtEveryScale)
{
    const frame::FrameMetrics at150 = frame::MetricsAt(gfx::DisplayScale::ForDpi(144));
    const SIZE frameSize = frame::FrameSizeFromStored(SIZE{400, 300}, at150);
    const RECT viewport = frame::ViewportRect(frameSize, at150);
    EXPECT_EQ(viewport.right - viewport.left, 300);
    EXPECT_EQ(viewport.bottom - viewport.top, 278);
    const SIZE stored = frame::StoredFrameSize(frameSize, at150);
    EXPECT_EQ(stored.cx, 400);
    EXPECT_EQ(stored.cy, 300);

    for (const SIZE s : {SIZE{65535, 1}, SIZE{115, 37}, SIZE{1, 65535}}) {
        const SIZE same = frame::FrameSizeFromStored(s, frame::kNaturalMetrics);
        EXPECT_EQ(same.cx, s.cx);
        EXPECT_EQ(same.cy, s.cy);
        EXPECT_EQ(frame::StoredFrameSize(same, frame::kNaturalMetrics).cx, s.cx);
    }
}

TEST(FrameGeometry, OnlyPositiveGeometryIsStored)
{
    EXPECT_TRUE(frame::ShouldStoreSize(1, 1));
    EXPECT_FALSE(frame::ShouldStoreSize(0, 175)) << "a minimised frame has an empty client area";
    EXPECT_FALSE(frame::ShouldStoreSize(280, 0));
    EXPECT_TRUE(frame::ShouldStorePosition(1, 1));
    EXPECT_FALSE(frame::ShouldStorePosition(0, 50)) << "an edge at 0 keeps the last stored position";
    EXPECT_FALSE(frame::ShouldStorePosition(50, -3));
    EXPECT_FALSE(frame::ShouldStorePosition(-32000, -32000)) << "minimised";
}

// A frame left where no monitor shows it comes onto the work area by the
// shortest way, its size kept where it fits.
TEST(FrameGeometry, AFrameOffEveryMonitorIsBroughtWholeOntoTheWorkArea)
{
    const RECT work{0, 0, 1024, 738};
    EXPECT_TRUE(RectIs(frame::BringOntoWorkArea(RECT{1300, 900, 1580, 1075}, work), 744, 563, 1024, 738));
    EXPECT_TRUE(RectIs(frame::BringOntoWorkArea(RECT{1300, 10, 1580, 185}, work), 744, 10, 1024, 185));
    // Larger than the work area: cut to it.
    EXPECT_TRUE(RectIs(frame::BringOntoWorkArea(RECT{2000, 50, 4000, 250}, work), 0, 50, 1024, 250));
    // A work area that does not start at the origin (a monitor on the right).
    EXPECT_TRUE(RectIs(
        frame::BringOntoWorkArea(RECT{3000, 900, 3280, 1075}, RECT{1024, 40, 2944, 1080}), 2664, 900, 2944, 1075));
}

// ---- the seam of two monitors of different scales ----------------------------

struct Monitor {
    RECT rc;
    int dpi;
};
using Layout = std::array<Monitor, 2>;

// Two 1920 x 1080 monitors side by side.
Layout SideBySide(int leftDpi, int rightDpi)
{
    return Layout{Monitor{RECT{0, 0, 1920, 1080}, leftDpi}, Monitor{RECT{1920, 0, 3840, 1080}, rightDpi}};
}

long long Overlap(const RECT& a, const RECT& b)
{
    RECT common;
    if (!IntersectRect(&common, &a, &b))
        return 0;
    return static_cast<long long>(common.right - common.left) * (common.bottom - common.top);
}

// The platform's rule: a window is on the monitor it overlaps most.
const Monitor& MonitorOf(const Layout& layout, const RECT& window)
{
    return Overlap(window, layout[1].rc) > Overlap(window, layout[0].rc) ? layout[1] : layout[0];
}

// The frame dragged one pixel at a time from the left monitor across the
// seam, held at grabX from its left edge. At each scale change the
// platform asks for the size at the new scale and suggests that size placed
// so that the pointer keeps its relative place in the frame, as it does for a
// drag; the frame then places itself. Returns how often the scale changed.
int ScaleChangesOnADragAcrossTheSeam(const Layout& layout, int grabX, SIZE viewport)
{
    gfx::DisplayScale scale = gfx::DisplayScale::ForDpi(layout[0].dpi);
    SIZE size = frame::FrameSizeForViewport(viewport.cx, viewport.cy, frame::MetricsAt(scale));
    RECT window{1920 - size.cx - 20, 300, 1920 - 20, 300 + size.cy};
    int pointer = window.left + grabX;
    int changes = 0;
    while (window.left < 1920 + 40) {
        OffsetRect(&window, 1, 0);
        ++pointer;
        const Monitor& on = MonitorOf(layout, window);
        const gfx::DisplayScale now = gfx::DisplayScale::ForDpi(on.dpi);
        if (now == scale)
            continue;
        ++changes;
        const SIZE asked = frame::FrameSizeForViewport(viewport.cx, viewport.cy, frame::MetricsAt(now));
        const int left = pointer - (pointer - window.left) * asked.cx / size.cx;
        const RECT suggested{left, window.top, left + asked.cx, window.top + asked.cy};
        window = frame::PlaceAtNewScale(suggested, asked, on.rc);
        EXPECT_EQ(&MonitorOf(layout, window), &on) << "placed off the monitor whose scale it took";
        scale = now;
        size = asked;
    }
    EXPECT_EQ(&MonitorOf(layout, window), &layout[1]);
    return changes;
}

TEST(FrameGeometry, ACrossingOfTheSeamChangesTheScaleOnce)
{
    const SIZE viewport{180, 153};
    for (const Layout& layout : {SideBySide(96, 144), SideBySide(144, 96), SideBySide(96, 192)}) {
        const SIZE size = frame::FrameSizeForViewport(
            viewport.cx, viewport.cy, frame::MetricsAt(gfx::DisplayScale::ForDpi(layout[0].dpi)));
        // Held by the left band and by the panel.
        for (const int grabX : {5, static_cast<int>(size.cx) - 10})
            EXPECT_EQ(ScaleChangesOnADragAcrossTheSeam(layout, grabX, viewport), 1)
                << layout[0].dpi << " | " << layout[1].dpi << " DPI, held at " << grabX;
    }
}

// Where the suggestion already lies mostly on the monitor, the frame takes
// it; otherwise it moves only until more than half of it is on the monitor.
TEST(FrameGeometry, APlaceAtANewScaleMovesOnlyWhatLeavesTheMonitor)
{
    const RECT monitor{1920, 0, 3840, 1080};
    const SIZE size{470, 273};
    EXPECT_TRUE(RectIs(frame::PlaceAtNewScale(RECT{2000, 50, 2470, 323}, size, monitor), 2000, 50, 2470, 323));
    EXPECT_TRUE(RectIs(frame::PlaceAtNewScale(RECT{1600, 50, 2070, 323}, size, monitor), 1686, 50, 2156, 323));
    EXPECT_TRUE(RectIs(frame::PlaceAtNewScale(RECT{2000, 1000, 2400, 1300}, size, monitor), 2000, 943, 2470, 1216));
}

TEST(FrameGeometry, ArrowKeysStepOnePixel)
{
    const struct {
        UINT vk;
        int dx;
        int dy;
    } arrows[] = {{VK_LEFT, -1, 0}, {VK_RIGHT, 1, 0}, {VK_UP, 0, -1}, {VK_DOWN, 0, 1}};
    for (const auto& a : arrows) {
        const frame::ArrowStep step = frame::ArrowStepFor(a.vk);
        EXPECT_TRUE(step.isArrow);
        EXPECT_EQ(step.dx, a.dx);
        EXPECT_EQ(step.dy, a.dy);
    }
    for (UINT other : {UINT(VK_RETURN), UINT(VK_TAB), UINT(VK_SPACE), UINT('A'), UINT(VK_ESCAPE)})
        EXPECT_FALSE(frame::ArrowStepFor(other).isArrow) << other;
}

TEST(FrameGeometry, ShiftArrowResizesAndStopsAtTheMinimum)
{
    const SIZE wider = frame::ShiftArrowSize(SIZE{280, 175}, frame::ArrowStepFor(VK_RIGHT));
    EXPECT_EQ(wider.cx, 281);
    EXPECT_EQ(wider.cy, 175);
    const SIZE shorter = frame::ShiftArrowSize(SIZE{280, 175}, frame::ArrowStepFor(VK_UP));
    EXPECT_EQ(shorter.cy, 174);

    const SIZE atMin = frame::ShiftArrowSize(SIZE{115, 37}, frame::ArrowStepFor(VK_LEFT));
    EXPECT_EQ(atMin.cx, 115);
    EXPECT_EQ(frame::ShiftArrowSize(SIZE{115, 37}, frame::ArrowStepFor(VK_UP)).cy, 37);

    // A frame made smaller by a typed size neither shrinks further nor jumps
    // up to the minimum; it still grows.
    EXPECT_EQ(frame::ShiftArrowSize(SIZE{101, 23}, frame::ArrowStepFor(VK_LEFT)).cx, 101);
    EXPECT_EQ(frame::ShiftArrowSize(SIZE{101, 23}, frame::ArrowStepFor(VK_DOWN)).cy, 24);
}

} // namespace
