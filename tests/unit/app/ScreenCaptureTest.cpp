// A whole capture of a screen area, in a real window on the rig's display:
// the pixels, the three outputs and GDI+'s lifetime around them.
#include "app/GdiplusState.h"
#include "app/OutputPath.h"
#include "app/ScreenCapture.h"
#include "framework/CBitmap.h"
#include "tests/unit/PixelTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

COLORREF PatternColour(int x, int y) { return RGB((x * 11) & 0xFF, (y * 13) & 0xFF, (x + y) & 0xFF); }

LRESULT CALLBACK PatternProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ERASEBKGND)
        return 1;
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 120; ++x)
                SetPixel(dc, x, y, PatternColour(x, y));
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void PumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(10);
    }
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ScreenCapture, DeliversTheAreaToClipboardFileAndPaintWithGdiplusOnlyDuringIt)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = PatternProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantikCapturePattern";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "pattern", WS_POPUP | WS_VISIBLE, 200, 150, 120,
                                80, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    UpdateWindow(hwnd);

    char log[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, log);
    const std::string paintLog = std::string(log) + "screen capture test paint.log";
    DeleteFileA(paintLog.c_str());
    SetEnvironmentVariableA("VANTIK_PAINT_LOG", paintLog.c_str());
    const std::string output = CurrentOutputPath().GetString();
    DeleteFileA(output.c_str());

    // The area: 50 x 30 pixels starting 10, 20 into the pattern.
    std::vector<COLORREF> expected;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 50; ++x)
            expected.push_back(PatternColour(10 + x, 20 + y));
    const RECT area{210, 170, 260, 200};
    bool painted = false;
    for (int i = 0; i < 100 && !painted; ++i) {
        PumpFor(50);
        HDC screen = GetDC(nullptr);
        painted = GetPixel(screen, 259, 199) == PatternColour(59, 49);
        ReleaseDC(nullptr, screen);
    }
    ASSERT_TRUE(painted) << "the pattern never reached the screen";

    EXPECT_FALSE(GdiplusState::Instance().IsStarted()) << "GDI+ runs before the capture";
    CaptureScreenArea(area);
    EXPECT_FALSE(GdiplusState::Instance().IsStarted()) << "GDI+ still runs after the capture";

    EXPECT_EQ(ClipboardBitmapPixels(), expected) << "the clipboard does not hold the area";
    HANDLE file = LoadImageA(nullptr, output.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    ASSERT_NE(file, nullptr) << "no BMP at " << output;
    CBitmap saved;
    saved.Attach(file);
    EXPECT_EQ(ReadPixels(saved), expected) << "the file does not hold the area";

    std::string started;
    for (int i = 0; i < 200 && started.empty(); ++i) {
        Sleep(50);
        started = ReadFile(paintLog);
    }
    EXPECT_NE(started.find("mspaint"), std::string::npos) << started;
    EXPECT_NE(started.find("\"" + output + "\""), std::string::npos) << "Paint was not given the quoted path: "
                                                                       << started;
    DestroyWindow(hwnd);
    DeleteFileA(output.c_str());
    DeleteFileA(paintLog.c_str());
}

// A viewport hanging over the screen's edge: what shows of it is captured,
// the rest is black.
TEST(ScreenCapture, AnAreaPastTheScreensEdgeKeepsItsVisiblePixels)
{
    const int sw = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int sh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    WNDCLASSA wc{};
    wc.lpfnWndProc = PatternProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantikCornerPattern";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "corner", WS_POPUP | WS_VISIBLE, sw - 120, sh - 80,
                                120, 80, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    UpdateWindow(hwnd);
    bool painted = false;
    for (int i = 0; i < 100 && !painted; ++i) {
        PumpFor(50);
        HDC screen = GetDC(nullptr);
        painted = GetPixel(screen, sw - 1, sh - 1) == PatternColour(119, 79);
        ReleaseDC(nullptr, screen);
    }
    ASSERT_TRUE(painted) << "the pattern never reached the screen";

    // 50 x 30 of it on the screen, 30 more columns right and 20 rows below.
    std::vector<COLORREF> expected;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 80; ++x)
            expected.push_back(x < 50 && y < 30 ? PatternColour(70 + x, 50 + y) : RGB(0, 0, 0));
    CaptureScreenArea(RECT{sw - 50, sh - 30, sw + 30, sh + 20});
    EXPECT_EQ(ClipboardBitmapPixels(), expected) << "the clipboard does not hold the visible part";
    DestroyWindow(hwnd);
    DeleteFileA(CurrentOutputPath().GetString());
}

} // namespace
