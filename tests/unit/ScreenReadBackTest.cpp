// The rig itself: a real window on the virtual display paints a pattern, and
// the pattern is read back from the screen through a screen DC.
#include "framework/CDC.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF kLeft = RGB(200, 30, 40);
constexpr COLORREF kRight = RGB(20, 160, 90);

LRESULT CALLBACK PatternProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ERASEBKGND)
        return 1;
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        CDC dc = CDC::FromHandle(BeginPaint(hwnd, &ps));
        RECT rc;
        GetClientRect(hwnd, &rc);
        dc.FillSolidRect(0, 0, rc.right / 2, rc.bottom, kLeft);
        dc.FillSolidRect(rc.right / 2, 0, rc.right - rc.right / 2, rc.bottom, kRight);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

// Polls the screen until the pixel shows the colour or about five seconds
// have passed; returns the last colour seen.
COLORREF WaitForScreenPixel(int x, int y, COLORREF wanted)
{
    COLORREF seen = CLR_INVALID;
    for (int i = 0; i < 250 && seen != wanted; ++i) {
        PumpMessages();
        seen = ScreenPixel(x, y);
        if (seen != wanted)
            Sleep(20);
    }
    return seen;
}

std::string Text(COLORREF c)
{
    return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," + std::to_string(GetBValue(c));
}

TEST(ScreenReadBack, PixelsPaintedByARealWindowAreOnTheScreen)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = PatternProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantikScreenReadBack";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(
        WS_EX_TOPMOST,
        wc.lpszClassName,
        "read back",
        WS_POPUP | WS_VISIBLE,
        300,
        200,
        120,
        80,
        nullptr,
        nullptr,
        wc.hInstance,
        nullptr);
    ASSERT_NE(hwnd, nullptr);
    UpdateWindow(hwnd);

    EXPECT_EQ(Text(WaitForScreenPixel(310, 240, kLeft)), Text(kLeft));
    EXPECT_EQ(Text(WaitForScreenPixel(410, 240, kRight)), Text(kRight));
    EXPECT_EQ(Text(WaitForScreenPixel(359, 279, kLeft)), Text(kLeft)) << "last column of the left half";
    EXPECT_EQ(Text(WaitForScreenPixel(360, 200, kRight)), Text(kRight)) << "first column of the right half";

    DestroyWindow(hwnd);
}

} // namespace
