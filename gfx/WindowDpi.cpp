#include "gfx/WindowDpi.h"

#include "framework/ProcAddress.h"

namespace gfx {

namespace {

GetDpiForWindowFn LookUpInUser32() { return User32Export<GetDpiForWindowFn>("GetDpiForWindow"); }

WindowDpiLookup g_lookup = &LookUpInUser32;

int SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

WindowDpiLookup ReplaceWindowDpiLookup(WindowDpiLookup lookup)
{
    const WindowDpiLookup previous = g_lookup;
    g_lookup = lookup;
    return previous;
}

int WindowDpi(HWND hwnd)
{
    if (GetDpiForWindowFn dpiForWindow = g_lookup()) {
        if (const UINT dpi = dpiForWindow(hwnd); dpi != 0)
            return static_cast<int>(dpi);
    }
    return SystemDpi();
}

} // namespace gfx
