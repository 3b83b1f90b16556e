#include "tests/unit/skin/SkinWindowTestSupport.h"

#include "tests/unit/MessagePump.h"
#include "tests/unit/PixelTestSupport.h"

#include <commctrl.h>

#include <cstdio>

namespace skintest {

std::unique_ptr<CSkinDemoDialog> ShowDemoDialog(const skindemo::Options& options)
{
    InitCommonControls();
    auto dlg = std::make_unique<CSkinDemoDialog>(options);
    if (!dlg->Create())
        return nullptr;
    dlg->ShowWindow(SW_SHOW);
    PumpPending();
    return dlg;
}

std::vector<POINT> PixelsOutsideRegion(HWND hWnd, int w, int h)
{
    std::vector<POINT> outside;
    HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
    if (::GetWindowRgn(hWnd, rgn) == ERROR) {
        ::DeleteObject(rgn);
        return outside;
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!::PtInRegion(rgn, x, y))
                outside.push_back(POINT{x, y});
    ::DeleteObject(rgn);
    return outside;
}

ScreenPixels ReadScreen(const RECT& rect)
{
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    MemoryCanvas canvas(w, h, RGB(1, 2, 3));
    HDC screen = ::GetDC(nullptr);
    ::BitBlt(canvas.dc.GetSafeHdc(), 0, 0, w, h, screen, rect.left, rect.top, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
    ScreenPixels out;
    out.rect = rect;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.pixels.push_back(canvas.dc.GetPixel(x, y));
    return out;
}

std::string WindowRectText(HWND hWnd)
{
    RECT r{};
    ::GetWindowRect(hWnd, &r);
    char text[80];
    std::snprintf(text,
                  sizeof text,
                  "(%ld,%ld,%ld,%ld)",
                  static_cast<long>(r.left),
                  static_cast<long>(r.top),
                  static_cast<long>(r.right),
                  static_cast<long>(r.bottom));
    return text;
}

} // namespace skintest
