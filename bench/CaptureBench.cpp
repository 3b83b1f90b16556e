// Times the three steps of a capture for a few viewport sizes and prints a
// table: the screen read, the clipboard and the BMP save. Run it on a
// display (bench/run.sh starts the test rig for it).
#include "app/BitmapImage.h"
#include "app/OutputPath.h"
#include "app/PutBitmapOnClipboard.h"
#include "framework/CBitmap.h"
#include "framework/CClientDC.h"
#include "framework/CWnd.h"
#include "framework/ScopedSelectObject.h"

#include <gdiplus.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 7;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct StepTimes {
    std::vector<double> read, clipboard, save;
};

// False, with what failed on stderr, when a step did not do its work: its
// time would be that of a failure.
bool CaptureOnce(int w, int h, const std::wstring& path, StepTimes* times)
{
    CClientDC screenDC(CWnd::GetDesktopWindow());
    CDC memDC;
    memDC.CreateCompatibleDC(&screenDC);
    CBitmap bitmap;

    LARGE_INTEGER t0 = Now();
    bitmap.CreateCompatibleBitmap(&screenDC, w, h);
    {
        ScopedSelectObject select(memDC, bitmap);
        memDC.BitBlt(0, 0, w, h, &screenDC, 0, 0, SRCCOPY);
    }
    LARGE_INTEGER t1 = Now();
    // The clipboard gets a copy, as in the program.
    CBitmap copy;
    copy.CreateCompatibleBitmap(&screenDC, w, h);
    {
        CDC copyDC;
        copyDC.CreateCompatibleDC(&screenDC);
        ScopedSelectObject selectSource(memDC, bitmap);
        ScopedSelectObject selectCopy(copyDC, copy);
        copyDC.BitBlt(0, 0, w, h, &memDC, 0, 0, SRCCOPY);
    }
    const bool onClipboard = PutBitmapOnClipboard(&copy);
    if (onClipboard)
        copy.Detach();
    LARGE_INTEGER t2 = Now();
    HRESULT saved = E_FAIL;
    {
        BitmapImage image;
        image.Attach(static_cast<HBITMAP>(bitmap.Detach()), true);
        saved = image.Save(path.c_str(), Gdiplus::ImageFormatBMP);
    }
    LARGE_INTEGER t3 = Now();
    times->read.push_back(Milliseconds(t0, t1));
    times->clipboard.push_back(Milliseconds(t1, t2));
    times->save.push_back(Milliseconds(t2, t3));
    if (!onClipboard)
        std::fprintf(stderr, "%dx%d: the clipboard did not take the bitmap\n", w, h);
    if (saved != S_OK)
        std::fprintf(stderr, "%dx%d: the save failed, 0x%08lX\n", w, h, static_cast<unsigned long>(saved));
    return onClipboard && saved == S_OK;
}

} // namespace

int main()
{
    const SIZE sizes[] = {{180, 153}, {320, 240}, {640, 480}, {1000, 700}};
    const std::wstring path = BuildOutputPath(L"C:\\");
    std::printf("capture steps, median of %d runs, milliseconds\n", kRuns);
    std::printf("%-10s %10s %10s %10s %10s\n", "viewport", "read", "clipboard", "bmp save", "total");
    for (const SIZE& s : sizes) {
        StepTimes times;
        for (int i = 0; i < kRuns; ++i) {
            if (!CaptureOnce(s.cx, s.cy, path, &times)) {
                DeleteFileW(path.c_str());
                return 1;
            }
        }
        const double read = Median(times.read);
        const double clipboard = Median(times.clipboard);
        const double save = Median(times.save);
        char label[32];
        std::snprintf(label, sizeof label, "%ldx%ld", s.cx, s.cy);
        std::printf("%-10s %10.1f %10.1f %10.1f %10.1f\n", label, read, clipboard, save, read + clipboard + save);
    }
    DeleteFileW(path.c_str());
    return 0;
}
