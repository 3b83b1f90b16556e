// The benchmark's driver inside the Wine session: starts the real vantik.exe
// and its baselines, sends them the capture command or waits for them to come
// up, and prints one line per measurement for bench/bench.py:
//
//   bench_driver.exe capture --vantik EXE --floor EXE --sizes WxH,... --runs N --warmup N --sync DIR
//   bench_driver.exe startup --vantik EXE --runs N --sync DIR
//   bench_driver.exe memory  --vantik EXE --captures N --repeats N --sync DIR
//
// Lines: "sample CASE WHO MS", "memory WHEN WHO PID PEAK_KB", "sync N WHAT"
// (the script acts, then writes N.go in DIR), "error TEXT".
// The Paint stand-in's log is the file named by VANTIK_PAINT_LOG.
#include "app/FrameGeometry.h"
#include "bench/BenchSupport.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr WPARAM kCaptureCommand = 7570;
const char* const kSizeProperty = "WndPropName_Vantik_dravok_Size";
const char* const kPositionProperty = "WndPropName_Vantik_dravok_XY";
const char* const kFrameClass = "#32770";
const char* const kFrameTitle = "Vantik";
const char* const kFloorClass = "VantikBenchFloor";
// Where the frame is placed for the capture runs: the biggest frame
// (1920 x 1022) must fit on the benchmark's screen from here.
constexpr POINT kFrameOrigin{32, 32};
constexpr DWORD kWindowTimeoutMs = 20000;
constexpr DWORD kPaintTimeoutMs = 20000;
// Wine waits about two seconds for a window manager when a managed window
// goes away; closing is not measured, so allow for it generously.
constexpr DWORD kCloseTimeoutMs = 15000;
// Lets a freshly started program finish what it does right after its
// first idle moment before its memory is read.
constexpr DWORD kSettleMs = 300;

struct Options {
    std::string mode;
    std::map<std::string, std::string> values;

    std::string Get(const char* name) const
    {
        const auto it = values.find(name);
        return it != values.end() ? it->second : std::string();
    }
    int Number(const char* name, int fallback) const
    {
        const std::string text = Get(name);
        return text.empty() ? fallback : std::atoi(text.c_str());
    }
};

Options ParseOptions(int argc, char** argv)
{
    Options options;
    if (argc > 1)
        options.mode = argv[1];
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strncmp(argv[i], "--", 2) == 0)
            options.values[argv[i] + 2] = argv[i + 1];
    }
    return options;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string TempFile(const char* name)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

long long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void SetDesktopProperty(const char* name, DWORD value)
{
    SetPropA(GetDesktopWindow(), name, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(value)));
}

// Vantik restores its frame from these at start-up.
void RememberFrame(POINT origin, SIZE frameSize)
{
    SetDesktopProperty(kSizeProperty, frame::PackPair(frameSize.cx, frameSize.cy));
    SetDesktopProperty(kPositionProperty, frame::PackPair(origin.x, origin.y));
}

// The first start of a logon: default size, centred.
void ForgetFrame()
{
    RemovePropA(GetDesktopWindow(), kSizeProperty);
    RemovePropA(GetDesktopWindow(), kPositionProperty);
}

SIZE WindowSize(HWND hWnd)
{
    RECT rc{};
    GetWindowRect(hWnd, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

[[noreturn]] void Fail(const char* what)
{
    bench::Report("error %s", what);
    std::exit(1);
}

// ---- capture -------------------------------------------------------------------

// A program that captures on WM_COMMAND 7570: where to send it, the file its
// capture writes, and the size that file must at least have.
struct CaptureTarget {
    const char* name;
    HWND window;
    std::string outputFile;
    long long minimumFileSize;
};

// Counts the Paint stand-in's launches, so each capture can wait for its own.
class PaintLaunches {
public:
    PaintLaunches() : m_path(std::getenv("VANTIK_PAINT_LOG") != nullptr ? std::getenv("VANTIK_PAINT_LOG") : "")
    {
        if (m_path.empty())
            Fail("VANTIK_PAINT_LOG is not set");
        m_seen = bench::CountLines(m_path.c_str());
    }
    bool WaitForNext() { return bench::WaitForPaintLaunch(m_path.c_str(), ++m_seen, kPaintTimeoutMs); }

private:
    std::string m_path;
    int m_seen = 0;
};

// One capture, timed from sending the command until the send returns; then,
// untimed, checks that it did all three things and that the Paint it
// launched has come and gone.
double TimeCapture(const CaptureTarget& target, PaintLaunches& paint)
{
    DeleteFileA(target.outputFile.c_str());
    const DWORD clipboardBefore = GetClipboardSequenceNumber();
    const double start = bench::NowMs();
    SendMessageA(target.window, WM_COMMAND, kCaptureCommand, 0);
    const double elapsed = bench::NowMs() - start;

    char problem[256] = {};
    if (!paint.WaitForNext())
        std::snprintf(problem, sizeof problem, "%s: Paint was not launched", target.name);
    else if (GetClipboardSequenceNumber() == clipboardBefore || !IsClipboardFormatAvailable(CF_BITMAP))
        std::snprintf(problem, sizeof problem, "%s: no bitmap reached the clipboard", target.name);
    else if (FileSize(target.outputFile) < target.minimumFileSize)
        std::snprintf(
            problem, sizeof problem, "%s: %s is missing or too small", target.name, target.outputFile.c_str());
    if (problem[0] != '\0')
        Fail(problem);
    return elapsed;
}

// A BMP of w x h pixels at 24 bits or more.
long long MinimumBmpSize(SIZE size)
{
    const long long row = (static_cast<long long>(size.cx) * 3 + 3) / 4 * 4;
    return 54 + row * size.cy;
}

HWND StartVantik(const std::string& exe, bench::Process& process)
{
    if (!process.Start(Quoted(exe)))
        Fail("vantik.exe did not start");
    HWND frame = bench::WaitForVisibleWindow(process.Id(), kFrameClass, kFrameTitle, kWindowTimeoutMs);
    if (frame == nullptr)
        Fail("the Vantik frame did not show");
    WaitForInputIdle(process.Handle(), kWindowTimeoutMs);
    return frame;
}

HWND StartFloor(const std::string& exe, const RECT& area, bench::Process& process)
{
    char arguments[96];
    std::snprintf(arguments,
                  sizeof arguments,
                  " %ld %ld %ld %ld",
                  area.left,
                  area.top,
                  area.right - area.left,
                  area.bottom - area.top);
    if (!process.Start(Quoted(exe) + arguments))
        Fail("bench_floor.exe did not start");
    HWND window = bench::WaitForVisibleWindow(process.Id(), kFloorClass, nullptr, kWindowTimeoutMs);
    if (window == nullptr)
        Fail("the floor's window did not show");
    WaitForInputIdle(process.Handle(), kWindowTimeoutMs);
    return window;
}

// The screen rectangle a capture of the frame reads.
RECT ViewportOnScreen(HWND frame)
{
    RECT wr{};
    GetWindowRect(frame, &wr);
    RECT viewport = frame::ViewportRect(SIZE{wr.right - wr.left, wr.bottom - wr.top});
    OffsetRect(&viewport, wr.left, wr.top);
    return viewport;
}

void RunCaptureSize(const Options& options, SIZE viewport, bench::ScriptSync& sync, PaintLaunches& paint)
{
    const SIZE frameSize = frame::FrameSizeForViewport(viewport.cx, viewport.cy);
    RememberFrame(kFrameOrigin, frameSize);
    bench::Process vantik;
    const HWND frameWindow = StartVantik(options.Get("vantik"), vantik);
    const SIZE actual = WindowSize(frameWindow);
    if (actual.cx != frameSize.cx || actual.cy != frameSize.cy)
        Fail("the frame did not take the size asked for");
    const RECT area = ViewportOnScreen(frameWindow);
    bench::Process floorProcess;
    const HWND floorWindow = StartFloor(options.Get("floor"), area, floorProcess);

    const CaptureTarget targets[2] = {
        {"vantik", frameWindow, TempFile("vantikbitmap.bmp"), MinimumBmpSize(viewport)},
        {"floor", floorWindow, TempFile("benchfloor.bmp"), MinimumBmpSize(viewport)},
    };
    char label[32];
    std::snprintf(label, sizeof label, "capture-%ldx%ld", viewport.cx, viewport.cy);
    char peer[96];
    std::snprintf(peer, sizeof peer, "peer %s %ld %ld %ld %ld", label, area.left, area.top, viewport.cx, viewport.cy);

    // Loads what the first capture of a process loads (GDI+, the encoder).
    for (int i = 0; i < options.Number("warmup", 2); ++i) {
        for (const CaptureTarget& target : targets)
            TimeCapture(target, paint);
    }
    const int runs = options.Number("runs", 15);
    for (int i = 0; i < runs; ++i) {
        // Alternating who goes first, so drift and after-effects hit both.
        for (int k = 0; k < 2; ++k) {
            const CaptureTarget& target = targets[(i + k) % 2];
            bench::Report("sample %s %s %.3f", label, target.name, TimeCapture(target, paint));
        }
        if (!sync.Ask(peer))
            Fail("the script did not answer");
    }
    bench::CloseAndWait(floorProcess, floorWindow, kCloseTimeoutMs);
    bench::CloseAndWait(vantik, frameWindow, kCloseTimeoutMs);
}

int RunCapture(const Options& options)
{
    const std::vector<SIZE> sizes = bench::ParseSizeList(options.Get("sizes"));
    if (sizes.empty())
        Fail("no --sizes");
    bench::ScriptSync sync(options.Get("sync"));
    PaintLaunches paint;
    for (const SIZE& viewport : sizes)
        RunCaptureSize(options, viewport, sync, paint);
    return 0;
}

// ---- start-up and memory ------------------------------------------------------

// Peak working set as Wine reports it for another process, in KiB; the
// script compares it with what Linux says about the same process.
unsigned long long PeakWorkingSetKb(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters))
        return 0;
    return counters.PeakWorkingSetSize / 1024;
}

void ReportMemory(const char* when, const char* who, bench::Process& process, bench::ScriptSync& sync)
{
    Sleep(kSettleMs);
    bench::Report("memory %s %s %lu %llu", when, who, process.Id(), PeakWorkingSetKb(process.Handle()));
    if (!sync.Ask(std::string("vmhwm ") + when + " " + who))
        Fail("the script did not answer");
}

struct Program {
    const char* name;
    std::string commandLine;
    const char* className;
    const char* title;
};

// From CreateProcess to the main window visible, and to the process idle
// with that window shown (the first paint done, waiting for input).
void TimeStartUp(const Program& program, bench::ScriptSync& sync)
{
    bench::Process process;
    const double start = bench::NowMs();
    if (!process.Start(program.commandLine))
        Fail("a program did not start");
    HWND window = bench::WaitForVisibleWindow(process.Id(), program.className, program.title, kWindowTimeoutMs);
    const double visible = bench::NowMs() - start;
    WaitForInputIdle(process.Handle(), kWindowTimeoutMs);
    const double idle = bench::NowMs() - start;
    if (window == nullptr)
        Fail("a program's window did not show");
    bench::Report("sample startup-visible %s %.3f", program.name, visible);
    bench::Report("sample startup-idle %s %.3f", program.name, idle);
    ReportMemory("start", program.name, process, sync);
    bench::CloseAndWait(process, window, kCloseTimeoutMs);
}

int RunStartUp(const Options& options)
{
    ForgetFrame();
    bench::ScriptSync sync(options.Get("sync"));
    const Program programs[2] = {
        {"vantik", Quoted(options.Get("vantik")), kFrameClass, kFrameTitle},
        {"notepad", "notepad.exe", "Notepad", nullptr},
    };
    const int runs = options.Number("runs", 7);
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k)
            TimeStartUp(programs[(i + k) % 2], sync);
    }
    return 0;
}

int RunMemory(const Options& options)
{
    const SIZE viewport{180, 153};
    const int captures = options.Number("captures", 200);
    bench::ScriptSync sync(options.Get("sync"));
    PaintLaunches paint;
    for (int repeat = 0; repeat < options.Number("repeats", 1); ++repeat) {
        RememberFrame(kFrameOrigin, frame::FrameSizeForViewport(viewport.cx, viewport.cy));
        bench::Process vantik;
        const HWND frameWindow = StartVantik(options.Get("vantik"), vantik);
        const CaptureTarget target{"vantik", frameWindow, TempFile("vantikbitmap.bmp"), MinimumBmpSize(viewport)};
        for (int i = 0; i < captures; ++i)
            TimeCapture(target, paint);
        char when[32];
        std::snprintf(when, sizeof when, "after%d", captures);
        ReportMemory(when, "vantik", vantik, sync);
        bench::CloseAndWait(vantik, frameWindow, kCloseTimeoutMs);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = ParseOptions(argc, argv);
    if (options.mode == "capture")
        return RunCapture(options);
    if (options.mode == "startup")
        return RunStartUp(options);
    if (options.mode == "memory")
        return RunMemory(options);
    std::fprintf(stderr, "usage: bench_driver.exe capture|startup|memory --option value ...\n");
    return 2;
}
