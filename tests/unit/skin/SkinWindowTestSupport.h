#pragma once

#include "tests/support/SkinDemoDialog.h"
#include "tests/unit/MessagePump.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Helpers for the skin's tests in real windows on the rig's display.
namespace skintest {

// A modeless skinned dialog, created, shown and laid out at its placement.
std::unique_ptr<CSkinDemoDialog> ShowDemoDialog(const skindemo::Options& options = {});

// The window pixels (window coordinates, w x h) that lie outside the
// window's region.
std::vector<POINT> PixelsOutsideRegion(HWND hWnd, int w, int h);

// Screen pixels of a rectangle, row by row, read through the screen DC.
struct ScreenPixels {
    RECT rect{};
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[(y - rect.top) * (rect.right - rect.left) + (x - rect.left)]; }
};
ScreenPixels ReadScreen(const RECT& rect);

// Window rectangle as text, for failure messages.
std::string WindowRectText(HWND hWnd);

} // namespace skintest
