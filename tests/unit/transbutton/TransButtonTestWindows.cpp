#include "tests/unit/transbutton/TransButtonTestWindows.h"

#include "tests/unit/PixelTestSupport.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

namespace tbtest {

namespace {

const char* const kParentClass = "VantikTransButtonTestParent";

void RegisterParentClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = ::CreateSolidBrush(CTestParent::kColour);
    wc.lpszClassName = kParentClass;
    registered = ::RegisterClassA(&wc) != 0;
}

void SendMouse(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

} // namespace

bool CTestParent::Open(POINT at, SIZE size)
{
    InitCommonControls();
    RegisterParentClass();
    if (!CreateEx(
            WS_EX_TOPMOST, kParentClass, "TransButton test", WS_POPUP, at.x, at.y, size.cx, size.cy, nullptr, nullptr))
        return false;
    ShowWindow(SW_SHOWNOACTIVATE);
    ::UpdateWindow(m_hWnd);
    PumpPending();
    return true;
}

LRESULT CTestParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM)
        ++draws;
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_LBUTTONDBLCLK)
        mouseMessages.push_back(message);
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CTestParent::OnCommand(WPARAM wParam, LPARAM lParam)
{
    commands.push_back(Command{wParam, lParam, draws});
    return TRUE;
}

void MouseTo(POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    // A move of nothing, so that a mouse message arrives at the new place.
    SendMouse(MOUSEEVENTF_MOVE);
}

void MouseDown() { SendMouse(MOUSEEVENTF_LEFTDOWN); }
void MouseUp() { SendMouse(MOUSEEVENTF_LEFTUP); }

POINT ScreenPoint(const CWnd& wnd, int x, int y)
{
    POINT p{x, y};
    wnd.ClientToScreen(&p);
    return p;
}

COLORREF ScreenPixel(const CWnd& wnd, int x, int y)
{
    const POINT p = ScreenPoint(wnd, x, y);
    HDC screen = ::GetDC(nullptr);
    const COLORREF c = ::GetPixel(screen, p.x, p.y);
    ::ReleaseDC(nullptr, screen);
    return c;
}

std::vector<COLORREF> Paint(CVelTransButton& button)
{
    RECT rc;
    button.GetClientRect(&rc);
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;
    MemoryCanvas canvas(w, h, RGB(1, 2, 3));
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(button.GetDlgCtrlID());
    dis.hwndItem = button.m_hWnd;
    dis.hDC = canvas.dc.GetSafeHdc();
    dis.rcItem = rc;
    button.DrawItem(&dis);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels.push_back(canvas.dc.GetPixel(x, y));
    return pixels;
}

RECT InkBounds(const std::vector<COLORREF>& pixels, int width, int height, COLORREF back)
{
    RECT r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (pixels[y * width + x] == back)
                continue;
            r.left = std::min<LONG>(r.left, x);
            r.top = std::min<LONG>(r.top, y);
            r.right = std::max<LONG>(r.right, x + 1);
            r.bottom = std::max<LONG>(r.bottom, y + 1);
        }
    }
    if (r.left == INT_MAX)
        return RECT{0, 0, 0, 0};
    return r;
}

bool HasColour(const std::vector<COLORREF>& pixels, COLORREF colour)
{
    for (COLORREF c : pixels)
        if (c == colour)
            return true;
    return false;
}

std::vector<COLORREF> ReferenceText(HGDIOBJ font, const char* text, UINT flags, int width, int height, COLORREF back,
                                    COLORREF ink)
{
    MemoryCanvas canvas(width, height, back);
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.SetTextColor(ink);
    HGDIOBJ previous = canvas.dc.SelectObject(font);
    RECT rc{0, 0, width, height};
    canvas.dc.DrawText(text, -1, &rc, flags);
    canvas.dc.SelectObject(previous);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(canvas.dc.GetPixel(x, y));
    return pixels;
}

HICON MakeIcon(int size, COLORREF colour, COLORREF topRow)
{
    std::vector<COLORREF> pixels(static_cast<std::size_t>(size * size), colour);
    for (int x = 0; x < size; ++x)
        pixels[x] = topRow;
    CBitmap colourBits = MakeBitmap(size, size, pixels);
    // An all-zero AND mask: every pixel opaque.
    std::vector<BYTE> maskBits(static_cast<std::size_t>(((size + 15) / 16) * 2 * size), 0);
    HBITMAP mask = ::CreateBitmap(size, size, 1, 1, maskBits.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = colourBits.GetSafeHandle();
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(mask);
    return icon;
}

std::string RectText(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

} // namespace tbtest
