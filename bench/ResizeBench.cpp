// Times one live-resize step of the real capture frame, in process: the
// frame (CCaptureFrameDlg, from the program's own resources) is created
// modeless and resized by one pixel back and forth, as each tick of a border
// drag resizes it. A step is the move/resize (with WM_SIZE: layout, stored
// size, region rebuilt, frame repainted) plus whatever painting is still due
// afterwards, all flushed before the clock stops. Each step is checked to
// have erased the frame and to leave nothing unpainted.
//
//   resize_bench.exe [--steps N] [--sizes WxH,...]      (frame sizes)
//
// Prints "sample resize-WxH vantik MS" per step and "piece resize-WxH NAME MS"
// for the parts of a step timed on their own.
#include "app/CCaptureFrameDlg.h"
#include "bench/BenchSupport.h"
#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "framework/ScopedSelectObject.h"
#include "res/resource.h"
#include "skin/VelFrameGeometry.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr POINT kOrigin{40, 40};
constexpr int kWarmUpSteps = 20;
constexpr int kPieceRuns = 50;

// The real frame with clocks around its WM_SIZE and WM_ERASEBKGND handlers.
class TimedFrame : public CCaptureFrameDlg {
public:
    int m_nErases = 0;
    double m_sizeMs = 0;
    double m_eraseMs = 0;

    // Modeless: the benchmark drives the frame step by step.
    BOOL Create() { return CreateFromTemplate(nullptr) != nullptr; }
    void ResetClocks()
    {
        m_nErases = 0;
        m_sizeMs = 0;
        m_eraseMs = 0;
    }
    double TimeRegionUpdate()
    {
        const double start = bench::NowMs();
        UpdateWindowRegion();
        return bench::NowMs() - start;
    }

protected:
    static const MessageMap* GetThisMessageMap()
    {
        static const MessageEntry entries[] = {
            On::Size<&TimedFrame::OnSizeTimed>(),
            On::EraseBkgnd<&TimedFrame::OnEraseBkgndTimed>(),
        };
        static const MessageMap map{CCaptureFrameDlg::GetThisMessageMap(), entries};
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    void OnSizeTimed(UINT nType, int cx, int cy)
    {
        const double start = bench::NowMs();
        CCaptureFrameDlg::OnSize(nType, cx, cy);
        m_sizeMs += bench::NowMs() - start;
    }
    BOOL OnEraseBkgndTimed(CDC* pDC)
    {
        const double start = bench::NowMs();
        const BOOL result = CCaptureFrameDlg::OnEraseBkgnd(pDC);
        m_eraseMs += bench::NowMs() - start;
        ++m_nErases;
        return result;
    }
};

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

BOOL CALLBACK FindUnpainted(HWND hWnd, LPARAM lParam)
{
    if (IsWindowVisible(hWnd) && GetUpdateRect(hWnd, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(lParam) = true;
        return FALSE;
    }
    return TRUE;
}

// Nothing in the frame is waiting to be painted.
bool FullyPainted(HWND frame)
{
    bool unpainted = GetUpdateRect(frame, nullptr, FALSE) != FALSE;
    if (!unpainted)
        EnumChildWindows(frame, &FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

struct StepTimes {
    double total;
    double move;        // the MoveWindow call, WM_SIZE included
    double sizeHandler; // the frame's WM_SIZE handler
    double erase;       // the frame's WM_ERASEBKGND handler, all calls
    int erases;
};

// One border-resize tick: the same MoveWindow the frame's resize timer
// makes, then the queue and the remaining paint flushed.
StepTimes ResizeStep(TimedFrame& frame, SIZE size)
{
    frame.ResetClocks();
    const double start = bench::NowMs();
    frame.MoveWindow(kOrigin.x, kOrigin.y, size.cx, size.cy, TRUE);
    const double move = bench::NowMs() - start;
    PumpMessages();
    frame.RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    const double total = bench::NowMs() - start;
    if (frame.m_nErases == 0 || !FullyPainted(frame.GetSafeHwnd())) {
        bench::Report("error a resize step left the frame unpainted");
        std::exit(1);
    }
    return StepTimes{total, move, frame.m_sizeMs, frame.m_eraseMs, frame.m_nErases};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

BOOL CALLBACK RepaintChild(HWND hWnd, LPARAM)
{
    if (IsWindowVisible(hWnd))
        RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return TRUE;
}

// The region's inputs, done as UpdateWindowRegion does them: the skin's
// corner pixels read, then the region combined from them and the hole.
void TimeRegionParts(TimedFrame& frame, SIZE size, const char* label)
{
    CBitmap skinBitmap;
    skinBitmap.LoadBitmap(IDB_FRAME_SKIN);
    std::vector<double> scan, build, region;
    for (int i = 0; i < kPieceRuns; ++i) {
        double start = bench::NowMs();
        CDC skinDC;
        skinDC.CreateCompatibleDC(nullptr);
        ScopedSelectObject select(skinDC, skinBitmap);
        auto isKey = [&skinDC](POINT p) { return skinDC.GetPixel(p.x, p.y) == skin::kSkinKeyColour; };
        const std::vector<POINT> cut = skin::RegionPixelsToCut(skinBitmap.GetSize(), size, isKey);
        scan.push_back(bench::NowMs() - start);

        start = bench::NowMs();
        HRGN rgn = CreateRectRgn(0, 0, size.cx, size.cy);
        for (POINT p : cut) {
            HRGN pixel = CreateRectRgn(p.x, p.y, p.x + 1, p.y + 1);
            CombineRgn(rgn, rgn, pixel, RGN_DIFF);
            DeleteObject(pixel);
        }
        HRGN hole = CreateRectRgnIndirect(&frame.m_rcViewport);
        CombineRgn(rgn, rgn, hole, RGN_DIFF);
        DeleteObject(hole);
        DeleteObject(rgn);
        build.push_back(bench::NowMs() - start);

        region.push_back(frame.TimeRegionUpdate());
        PumpMessages();
        frame.RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    bench::Report("piece %s region-scan %.3f", label, Median(scan));
    bench::Report("piece %s region-build %.3f", label, Median(build));
    bench::Report("piece %s region-update %.3f", label, Median(region));
}

// The repaint on its own: the frame erased (all four parts composed and
// copied, the inner area and the label), and the buttons painted.
void TimeRepaintParts(TimedFrame& frame, const char* label)
{
    std::vector<double> frameRepaint, buttons;
    for (int i = 0; i < kPieceRuns; ++i) {
        double start = bench::NowMs();
        frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
        GdiFlush();
        frameRepaint.push_back(bench::NowMs() - start);
        start = bench::NowMs();
        EnumChildWindows(frame.GetSafeHwnd(), &RepaintChild, 0);
        GdiFlush();
        buttons.push_back(bench::NowMs() - start);
        PumpMessages();
    }
    bench::Report("piece %s frame-repaint %.3f", label, Median(frameRepaint));
    bench::Report("piece %s button-repaint %.3f", label, Median(buttons));
}

void RunSize(TimedFrame& frame, SIZE size, int steps)
{
    char label[32];
    std::snprintf(label, sizeof label, "resize-%ldx%ld", size.cx, size.cy);
    const SIZE bigger{size.cx + 1, size.cy + 1};
    frame.MoveWindow(kOrigin.x, kOrigin.y, size.cx, size.cy, TRUE);
    PumpMessages();
    for (int i = 0; i < kWarmUpSteps; ++i)
        ResizeStep(frame, i % 2 == 0 ? bigger : size);

    std::vector<double> platformMove, sizeHandler, erase, afterMove;
    int erases = 0;
    for (int i = 0; i < steps; ++i) {
        const StepTimes t = ResizeStep(frame, i % 2 == 0 ? bigger : size);
        bench::Report("sample %s vantik %.3f", label, t.total);
        platformMove.push_back(t.move - t.sizeHandler);
        sizeHandler.push_back(t.sizeHandler);
        erase.push_back(t.erase);
        afterMove.push_back(t.total - t.move);
        erases += t.erases;
    }
    bench::Report("piece %s platform-move %.3f", label, Median(platformMove));
    bench::Report("piece %s size-handler %.3f", label, Median(sizeHandler));
    bench::Report("piece %s frame-erase-handler %.3f", label, Median(erase));
    bench::Report("piece %s paint-after-move %.3f", label, Median(afterMove));
    bench::Report("piece %s erases-per-step %.3f", label, static_cast<double>(erases) / steps);
    TimeRegionParts(frame, size, label);
    TimeRepaintParts(frame, label);
}

} // namespace

int main(int argc, char** argv)
{
    int steps = 300;
    std::string sizes = "280x175,1820x1000";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--steps") == 0)
            steps = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--sizes") == 0)
            sizes = argv[i + 1];
    }
    InitCommonControls();
    TimedFrame frame;
    if (!frame.Create()) {
        bench::Report("error the frame could not be created");
        return 1;
    }
    PumpMessages();
    for (const SIZE& size : bench::ParseSizeList(sizes))
        RunSize(frame, size, steps);
    frame.DestroyWindow();
    return 0;
}
