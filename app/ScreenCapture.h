#pragma once

#include <windows.h>

// The capture rectangle on screen: the viewport (client coordinates) moved
// by the frame window's top-left corner.
RECT CaptureRect(const RECT& viewport, const RECT& windowRect);

// Copies the screen pixels of area (screen coordinates) into a bitmap and
// delivers it, in this order: onto the clipboard, into the output file
// (BMP), and to Paint; pixels off the screen come out black. A step that
// fails is skipped and the next still runs. Raises the framework's resource
// exception when the screen's device context cannot be had; then nothing is
// delivered.
void CaptureScreenArea(const RECT& area);
