// A small window that shows the journey rig at work: it paints its client
// area blue; a click starts Paint on a file whose path has a space in it and
// turns the window orange.
#include <windows.h>
#include <shellapi.h>

namespace {

constexpr COLORREF kBeforeClick = RGB(0, 128, 255);
constexpr COLORREF kAfterClick = RGB(255, 128, 0);
COLORREF g_colour = kBeforeClick;

LRESULT CALLBACK DemoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH brush = CreateSolidBrush(g_colour);
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONUP:
        ShellExecuteA(hwnd, "open", "mspaint.exe", "\"C:\\rig demo\\picture.bmp\"", nullptr, SW_SHOWNORMAL);
        g_colour = kAfterClick;
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DemoProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "VantikRigDemo";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(
        WS_EX_TOPMOST,
        "VantikRigDemo",
        "Vantik rig demo",
        WS_POPUP | WS_VISIBLE,
        100,
        100,
        200,
        120,
        nullptr,
        nullptr,
        instance,
        nullptr);
    if (hwnd == nullptr)
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
