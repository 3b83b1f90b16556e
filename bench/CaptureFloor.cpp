// The floor of the capture benchmark: the least a capture can cost on this
// platform. A bare window, with no framework and no application code, that
// on the capture command (WM_COMMAND 7570) makes the platform calls a Vantik
// capture makes and nothing else: screen read, clipboard, GDI+ started, BMP
// saved, GDI+ shut down (Vantik keeps nothing between captures), Paint
// launched.
//
//   bench_floor.exe X Y W H     captures the screen rectangle (X, Y, W, H)
#include <windows.h>

#include <gdiplus.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr WORD kCaptureCommand = 7570;
const char* const kClassName = "VantikBenchFloor";
const char* const kFileName = "benchfloor.bmp";

RECT g_area{};

// The screen's DC, released with the object.
class ScreenDC {
public:
    ScreenDC() : m_hWnd(GetDesktopWindow()), m_hDC(GetDC(m_hWnd)) {}
    ~ScreenDC() { ReleaseDC(m_hWnd, m_hDC); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// A memory DC, deleted with the object.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatible) : m_hDC(CreateCompatibleDC(compatible)) {}
    ~MemoryDC() { DeleteDC(m_hDC); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC;
};

// GDI+ for one capture, as Vantik runs it.
class GdiplusSession {
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        m_ok = Gdiplus::GdiplusStartup(&m_token, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (m_ok)
            Gdiplus::GdiplusShutdown(m_token);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Ok() const { return m_ok; }

private:
    ULONG_PTR m_token = 0;
    bool m_ok = false;
};

HBITMAP CopyScreenArea(const RECT& area)
{
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    ScreenDC screen;
    MemoryDC memory(screen.Get());
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), w, h);
    HGDIOBJ previous = SelectObject(memory.Get(), bitmap);
    BitBlt(memory.Get(), 0, 0, w, h, screen.Get(), area.left, area.top, SRCCOPY);
    SelectObject(memory.Get(), previous);
    return bitmap;
}

// True when the clipboard took the bitmap (and owns it from then on).
bool PutOnClipboard(HBITMAP bitmap)
{
    if (!OpenClipboard(GetDesktopWindow()))
        return false;
    EmptyClipboard();
    const bool taken = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
    CloseClipboard();
    return taken;
}

bool FindBmpEncoder(CLSID* pClsid)
{
    UINT count = 0;
    UINT size = 0;
    if (Gdiplus::DllExports::GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok)
        return false;
    std::unique_ptr<BYTE[]> buffer(new BYTE[size]);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.get());
    if (Gdiplus::DllExports::GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::memcmp(&codecs[i].FormatID, &Gdiplus::ImageFormatBMP, sizeof(GUID)) == 0) {
            *pClsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

void SaveBmp(HBITMAP bitmap, const std::string& path)
{
    wchar_t widePath[MAX_PATH] = {};
    MultiByteToWideChar(CP_THREAD_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
    GdiplusSession gdiplus;
    CLSID encoder;
    if (!gdiplus.Ok() || !FindBmpEncoder(&encoder))
        return;
    Gdiplus::GpBitmap* image = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) != Gdiplus::Ok)
        return;
    Gdiplus::DllExports::GdipSaveImageToFile(image, widePath, &encoder, nullptr);
    Gdiplus::DllExports::GdipDisposeImage(image);
}

std::string OutputPath()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + kFileName;
}

void Capture()
{
    HBITMAP bitmap = CopyScreenArea(g_area);
    const bool clipboardOwnsBitmap = PutOnClipboard(bitmap);
    const std::string path = OutputPath();
    SaveBmp(bitmap, path);
    const std::string parameters = "\"" + path + "\"";
    ShellExecuteA(nullptr, "open", "mspaint.exe", parameters.c_str(), "", SW_SHOW);
    if (!clipboardOwnsBitmap)
        DeleteObject(bitmap);
}

LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kCaptureCommand) {
            Capture();
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

// Out of the way of the captured area: the bottom-left corner of the screen.
HWND CreateFloorWindow(HINSTANCE hInstance)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    if (RegisterClassA(&wc) == 0)
        return nullptr;
    const int height = 40;
    return CreateWindowExA(
        0,
        kClassName,
        "bench floor",
        WS_POPUP | WS_VISIBLE,
        0,
        GetSystemMetrics(SM_CYSCREEN) - height,
        240,
        height,
        nullptr,
        nullptr,
        hInstance,
        nullptr);
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int)
{
    int x = 0, y = 0, w = 0, h = 0;
    if (std::sscanf(lpCmdLine, "%d %d %d %d", &x, &y, &w, &h) != 4 || w <= 0 || h <= 0)
        return 2;
    g_area = RECT{x, y, x + w, y + h};
    if (CreateFloorWindow(hInstance) == nullptr)
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
