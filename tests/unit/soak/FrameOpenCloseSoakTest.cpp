// The capture frame opened and closed again and again: each frame must take
// with it the GDI objects and window DCs it made. (Its reference to the hot
// key's global atom is kept on purpose: nothing is undone at exit.)
#include "tests/unit/MessagePump.h"
#include "tests/unit/soak/GdiHandleTracker.h"
#include "tests/unit/soak/SoakFrame.h"
#include "tests/unit/soak/SoakSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr int kFrames = 20;
constexpr POINT kFrameAt{140, 100};
constexpr SIZE kViewport{120, 90};

bool OpenAndClose()
{
    soak::SoakFrame frame;
    if (!frame.Open(kFrameAt, kViewport))
        return false;
    frame.DestroyWindow();
    PumpPending();
    return true;
}

struct TrackedRun {
    int opened = 0;
    std::vector<HGDIOBJ> live;
    std::vector<HDC> unreleased;
    size_t created = 0;
};

// The tracker is made first thing in a function of its own, so that no GDI
// call here was bound before it existed.
[[gnu::noinline]] TrackedRun FramesUnderTracker()
{
    TrackedRun run;
    GdiHandleTracker gdi;
    for (int i = 0; i < kFrames; ++i)
        run.opened += OpenAndClose() ? 1 : 0;
    run.live = gdi.LiveObjects();
    run.unreleased = gdi.UnreleasedDCs();
    run.created = gdi.CreatedCount();
    return run;
}

TEST(FrameOpenCloseSoak, FramesOpenedAndClosedLeaveNoGdiObjectsBehind)
{
    soak::FrameGeometryKept keepGeometry;
    // The first frame makes what the process keeps for good (the interface
    // font).
    ASSERT_TRUE(OpenAndClose()) << "the capture frame did not open";

    const TrackedRun run = FramesUnderTracker();
    std::printf(
        "[ soak     ] %d frames: GDI objects created %zu, left alive %zu\n", run.opened, run.created, run.live.size());

    EXPECT_EQ(run.opened, kFrames);
    // Each frame loads its skin and four button strips and makes its font.
    EXPECT_GE(run.created, static_cast<size_t>(6 * kFrames)) << "the tracker saw too few creations to be counting";
    EXPECT_TRUE(run.live.empty()) << "GDI objects left behind by " << kFrames
                                  << " frames: " << GdiHandleTracker::Describe(run.live);
    EXPECT_TRUE(run.unreleased.empty()) << run.unreleased.size() << " window DCs never released";
}

} // namespace
