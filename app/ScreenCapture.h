#pragma once

#include <windows.h>

// The capture rectangle on screen: the viewport (client coordinates) moved
// by the frame window's top-left corner.
RECT CaptureRect(const RECT& viewport, const RECT& windowRect);

// What became of a capture's three deliveries. A step that fails loses only
// its own output; the frame's command reports nothing either way.
struct CaptureOutcome {
    bool onClipboard = false;  // the clipboard took its copy of the bitmap
    HRESULT saved = E_FAIL;    // BitmapImage::Save's result for the file
    bool paintStarted = false; // Paint was started on the file written
};

// Copies the screen pixels of area (screen coordinates) into a bitmap and
// delivers it, in this order: onto the clipboard, into the output file
// (BMP), and to Paint, on that file only once it is written; pixels off the
// screen come out black. When no file is written, or no Paint can be
// started, the error sound plays. Raises the framework's resource exception
// when the screen's device context cannot be had; then nothing is delivered.
CaptureOutcome CaptureScreenArea(const RECT& area);
