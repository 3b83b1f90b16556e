#pragma once

#include <windows.h>

// The DPI a window is shown at: its monitor's where the platform tells it
// per window (Windows 10 1607 and later), the system's otherwise (and under
// Wine 8, which honours only the system DPI).
namespace gfx {

// Written out: the platform's headers declare the function only for builds
// that require Windows 10, which this one does not.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using WindowDpiLookup = GetDpiForWindowFn (*)();

// Puts another lookup in place (tests do, to show a window at another scale)
// and returns the one it replaced.
WindowDpiLookup ReplaceWindowDpiLookup(WindowDpiLookup lookup);

int WindowDpi(HWND hwnd);

} // namespace gfx
