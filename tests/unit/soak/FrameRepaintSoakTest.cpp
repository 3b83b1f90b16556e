// The capture frame repainted for a long time — whole, with its four panel
// buttons, now and then with a button hovered and pressed and the frame
// resized — must not grow in GDI objects or memory, and each repaint must
// really paint.
#include "framework/CDC.h"
#include "skin/CVelTransButton.h"
#include "tests/unit/MessagePump.h"
#include "tests/unit/PixelTestSupport.h"
#include "tests/unit/soak/GdiHandleTracker.h"
#include "tests/unit/soak/SoakFrame.h"
#include "tests/unit/soak/SoakSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWarmUpRepaints = 200;
constexpr int kRepaints = 2000;
// Every so many repaints, one panel button (in turn) is hovered, pressed and
// left; the frame is resized and put back; the pixels are checked.
constexpr int kHoverEvery = 10;
constexpr int kResizeEvery = 500;
constexpr int kPixelCheckEvery = 2000;
// The queue is emptied every so many repaints rather than after each: every
// pass through the message loop makes Wine copy the window's surface to the
// X server, about 4 ms here, nearly as much as the paint itself and
// none of it the program's.
constexpr int kPumpEvery = 10;

constexpr POINT kFrameAt{100, 80};
constexpr SIZE kViewport{180, 153}; // the frame's default size, 280 x 175
constexpr SIZE kResizedBy{37, 21};
constexpr UINT kRepaintAll = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
// Painted over the windows before a checked repaint; the skin never uses it.
constexpr COLORREF kScribble = RGB(3, 250, 7);

// Measured under Wine 8 on the rig (the test prints it): after the warm-up,
// the committed private bytes did not move over 20,000 repaints and the
// working set grew by about 30 KiB. Bitmap bits live on Wine's Unix side,
// where only the working set sees them: one leaked 50 x 50 canvas per
// repaint of one button made it grow by 237 MiB over 20,000 repaints. The
// bounds leave room for the allocator's noise; the tracker is the exact check
// for the program's own GDI objects, and it sees a leak of one object per
// paint as surely in 2,000 repaints as in 20,000.
constexpr long long kMaxPrivateGrowthKiB = 4 * 1024;
constexpr long long kMaxWorkingSetGrowthKiB = 8 * 1024;

struct PaintCounts {
    int erasures = 0;
    std::vector<int> draws;
};

PaintCounts CountsOf(const soak::SoakFrame& frame)
{
    PaintCounts counts{frame.Erasures(), {}};
    for (UINT id : soak::kPanelButtons)
        counts.draws.push_back(frame.Draws(id));
    return counts;
}

// True when the frame's background and every panel button were drawn
// since `before`.
bool AllPainted(const soak::SoakFrame& frame, const PaintCounts& before)
{
    const PaintCounts now = CountsOf(frame);
    if (now.erasures <= before.erasures)
        return false;
    for (size_t i = 0; i < now.draws.size(); ++i)
        if (now.draws[i] <= before.draws[i])
            return false;
    return true;
}

// One repaint of the whole frame with its children, drawn before
// RedrawWindow returns; true when it painted.
bool RepaintOnce(soak::SoakFrame& frame)
{
    const PaintCounts before = CountsOf(frame);
    RedrawWindow(frame.m_hWnd, nullptr, nullptr, kRepaintAll);
    return AllPainted(frame, before);
}

LPARAM ClientPoint(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

// The pointer enters the button, presses it and leaves it pressed, which
// must not click it. Each step must show in the button's state and redraw
// it; true when all did.
bool HoverPressLeave(soak::SoakFrame& frame, UINT id)
{
    CVelTransButton* button = frame.Button(id);
    if (button == nullptr)
        return false;
    RECT rc;
    button->GetClientRect(&rc);
    const LPARAM centre = ClientPoint(rc.right / 2, rc.bottom / 2);
    bool ok = true;
    int draws = frame.Draws(id);
    auto redrawn = [&] {
        const bool more = frame.Draws(id) > draws;
        draws = frame.Draws(id);
        return more;
    };
    button->SendMessage(WM_MOUSEMOVE, 0, centre);
    ok = ok && button->IsHover() && redrawn();
    button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    ok = ok && button->IsPressed() && redrawn();
    button->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(-20, -20));
    ok = ok && !button->IsHover() && !button->IsPressed() && redrawn() && GetCapture() != button->m_hWnd;
    return ok;
}

// Resized and put back, repainting at each size.
bool ResizeThereAndBack(soak::SoakFrame& frame)
{
    RECT wr;
    frame.GetWindowRect(&wr);
    const int cx = wr.right - wr.left;
    const int cy = wr.bottom - wr.top;
    frame.SetWindowPos(HWND{}, 0, 0, cx + kResizedBy.cx, cy + kResizedBy.cy, SWP_NOMOVE | SWP_NOZORDER);
    const bool grown = frame.ClientSize().cx == cx + kResizedBy.cx && RepaintOnce(frame);
    frame.SetWindowPos(HWND{}, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
    return grown && frame.ClientSize().cx == cx && RepaintOnce(frame);
}

// A pixel of one window of the frame, in that window's client coordinates.
struct Probe {
    HWND window;
    POINT at;
};

std::vector<Probe> ProbesOf(soak::SoakFrame& frame)
{
    const SIZE client = frame.ClientSize();
    // The left band and the size label's background, left of its text.
    std::vector<Probe> probes{{frame.m_hWnd, {8, client.cy / 2}}, {frame.m_hWnd, {client.cx - 76, client.cy - 5}}};
    for (UINT id : soak::kPanelButtons) {
        CVelTransButton* button = frame.Button(id);
        RECT rc{};
        button->GetClientRect(&rc);
        probes.push_back({button->m_hWnd, {rc.right / 2, rc.bottom / 2}});
    }
    return probes;
}

COLORREF WindowPixel(const Probe& probe)
{
    HDC dc = GetDC(probe.window);
    const COLORREF c = GetPixel(dc, probe.at.x, probe.at.y);
    ReleaseDC(probe.window, dc);
    return c;
}

std::vector<COLORREF> ReadProbes(const std::vector<Probe>& probes)
{
    std::vector<COLORREF> pixels;
    for (const Probe& probe : probes)
        pixels.push_back(WindowPixel(probe));
    return pixels;
}

void Scribble(HWND window)
{
    RECT rc;
    GetClientRect(window, &rc);
    HDC dc = GetDC(window);
    CDC::FromHandle(dc).FillSolidRect(&rc, kScribble);
    ReleaseDC(window, dc);
}

// The windows painted over, then repainted: each probe must show its
// reference pixel again.
bool RepaintRestores(soak::SoakFrame& frame, const std::vector<Probe>& probes, const std::vector<COLORREF>& reference)
{
    for (const Probe& probe : probes)
        Scribble(probe.window);
    if (ReadProbes(probes) == reference)
        return false; // the scribble never landed: this check would prove nothing
    return RepaintOnce(frame) && ReadProbes(probes) == reference;
}

std::string PixelsText(const std::vector<COLORREF>& pixels)
{
    std::string text;
    for (COLORREF c : pixels)
        text += ColourText(c) + " ";
    return text;
}

struct SoakTally {
    int silentRepaints = 0;
    int hoverCycles = 0;
    int failedHoverCycles = 0;
    int resizes = 0;
    int failedResizes = 0;
    int pixelChecks = 0;
    int failedPixelChecks = 0;
};

// One step of the soak: a repaint, plus what falls due at step i.
void SoakStep(soak::SoakFrame& frame, int i, const std::vector<Probe>& probes, const std::vector<COLORREF>& reference,
              SoakTally& tally)
{
    if (!RepaintOnce(frame))
        ++tally.silentRepaints;
    if (i % kPumpEvery == 0)
        PumpPending();
    if (i % kHoverEvery == 0) {
        ++tally.hoverCycles;
        if (!HoverPressLeave(frame, soak::kPanelButtons[(i / kHoverEvery) % soak::kPanelButtons.size()]))
            ++tally.failedHoverCycles;
    }
    if (i % kResizeEvery == 1) {
        ++tally.resizes;
        if (!ResizeThereAndBack(frame))
            ++tally.failedResizes;
    }
    if (!reference.empty() && i % kPixelCheckEvery == kPixelCheckEvery - 1) {
        ++tally.pixelChecks;
        if (!RepaintRestores(frame, probes, reference))
            ++tally.failedPixelChecks;
    }
}

struct TrackedRun {
    bool watching = false;
    SoakTally tally;
    std::vector<HGDIOBJ> live;
    std::vector<HDC> unreleased;
    size_t created = 0;
    DWORD elapsedMs = 0;
};

// The soak proper, with the tracker made first thing in a function of its
// own, so that no GDI call here was bound before it existed.
[[gnu::noinline]] TrackedRun SoakUnderTracker(soak::SoakFrame& frame, const std::vector<Probe>& probes,
                                              const std::vector<COLORREF>& reference)
{
    TrackedRun run;
    GdiHandleTracker gdi;
    run.watching = gdi.Watches("CreateCompatibleDC") && gdi.Watches("DeleteDC") && gdi.Watches("SetWindowRgn") &&
                   gdi.Watches("BeginPaint");
    if (!run.watching)
        return run;
    const DWORD start = GetTickCount();
    for (int i = 0; i < kRepaints; ++i)
        SoakStep(frame, i, probes, reference, run.tally);
    run.elapsedMs = soak::ElapsedMs(start);
    run.live = gdi.LiveObjects();
    run.unreleased = gdi.UnreleasedDCs();
    run.created = gdi.CreatedCount();
    return run;
}

TEST(FrameRepaintSoak, TwoThousandRepaintsLeaveNoGdiObjectsAndNoMemoryBehind)
{
    soak::FrameGeometryKept keepGeometry;
    soak::SoakFrame frame;
    ASSERT_TRUE(frame.Open(kFrameAt, kViewport)) << "the capture frame did not open";
    for (UINT id : soak::kPanelButtons)
        ASSERT_NE(frame.Button(id), nullptr) << "no panel button " << id;

    SoakTally warmUp;
    for (int i = 0; i < kWarmUpRepaints; ++i)
        SoakStep(frame, i, {}, {}, warmUp);
    ASSERT_EQ(warmUp.silentRepaints, 0) << "repaints that painted nothing";
    ASSERT_EQ(warmUp.failedResizes, 0);
    ASSERT_EQ(warmUp.failedHoverCycles, 0) << "of " << warmUp.hoverCycles << " hover cycles";

    const std::vector<Probe> probes = ProbesOf(frame);
    const std::vector<COLORREF> reference = ReadProbes(probes);
    for (COLORREF c : reference)
        ASSERT_TRUE(c != kScribble && c != CLR_INVALID) << "unusable reference pixels: " << PixelsText(reference);

    const soak::MemoryUse before = soak::CurrentMemoryUse();
    const PaintCounts paintsBefore = CountsOf(frame);
    const TrackedRun run = SoakUnderTracker(frame, probes, reference);
    ASSERT_TRUE(run.watching) << "the frame's GDI calls would go unseen";
    const SoakTally& tally = run.tally;
    const std::vector<HGDIOBJ>& live = run.live;
    const size_t created = run.created;
    const DWORD elapsed = run.elapsedMs;
    const soak::MemoryUse after = soak::CurrentMemoryUse();
    const PaintCounts paintsAfter = CountsOf(frame);
    const long long privateGrowth = soak::GrowthKiB(before.privateBytes, after.privateBytes);
    const long long workingSetGrowth = soak::GrowthKiB(before.workingSet, after.workingSet);
    std::printf(
        "[ soak     ] %d repaints (%d hover cycles, %d resizes, %d pixel checks) in %lu ms (%.2f ms each); "
        "frame erased %d times, buttons drawn %d/%d/%d/%d times; GDI objects created %zu, left alive %zu; "
        "private %zu -> %zu KiB (%+lld), working set %zu -> %zu KiB (%+lld)\n",
        kRepaints,
        tally.hoverCycles,
        tally.resizes,
        tally.pixelChecks,
        static_cast<unsigned long>(elapsed),
        static_cast<double>(elapsed) / kRepaints,
        paintsAfter.erasures - paintsBefore.erasures,
        paintsAfter.draws[0] - paintsBefore.draws[0],
        paintsAfter.draws[1] - paintsBefore.draws[1],
        paintsAfter.draws[2] - paintsBefore.draws[2],
        paintsAfter.draws[3] - paintsBefore.draws[3],
        created,
        live.size(),
        before.privateBytes / 1024,
        after.privateBytes / 1024,
        privateGrowth,
        before.workingSet / 1024,
        after.workingSet / 1024,
        workingSetGrowth);

    // The paints really ran, and drew what they should.
    EXPECT_EQ(tally.silentRepaints, 0) << "repaints in which the frame or a panel button was not drawn";
    EXPECT_EQ(tally.failedHoverCycles, 0) << "of " << tally.hoverCycles << " hover/press cycles";
    EXPECT_EQ(tally.failedResizes, 0) << "of " << tally.resizes << " resizes";
    EXPECT_EQ(tally.failedPixelChecks, 0)
        << "of " << tally.pixelChecks << " repaints over scribbled windows did not restore " << PixelsText(reference)
        << "; now " << PixelsText(ReadProbes(probes));

    // Every repaint composes each button off screen: a DC and a bitmap.
    EXPECT_GE(created, static_cast<size_t>(kRepaints) * 2 * soak::kPanelButtons.size())
        << "the tracker saw too few creations to be counting";
    EXPECT_TRUE(live.empty()) << "GDI objects left behind by the repaints: " << GdiHandleTracker::Describe(live);
    EXPECT_TRUE(run.unreleased.empty()) << run.unreleased.size() << " window DCs never released";
    EXPECT_LE(privateGrowth, kMaxPrivateGrowthKiB) << "private bytes grew over the repaints";
    EXPECT_LE(workingSetGrowth, kMaxWorkingSetGrowthKiB) << "the working set grew over the repaints";

    frame.DestroyWindow();
    PumpPending();
}

} // namespace
