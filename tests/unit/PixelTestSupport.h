#pragma once

#include "framework/CBitmap.h"
#include "framework/CDC.h"

#include <string>
#include <vector>

// A memory DC holding a 32-bit top-down DIB section: exact colours, and
// every pixel readable with GetPixel.
struct MemoryCanvas {
    MemoryCanvas(int width, int height, COLORREF fill);
    CDC dc;
    CBitmap bitmap;
    HGDIOBJ previous = nullptr;
    ~MemoryCanvas();
};

// A 32-bit bitmap of width x height whose pixels are pixels[y * width + x].
CBitmap MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels);

// All pixels of a bitmap, row by row, read through a memory DC.
std::vector<COLORREF> ReadPixels(CBitmap& bitmap);

// The pixels of the clipboard's CF_BITMAP; empty when it holds none.
std::vector<COLORREF> ClipboardBitmapPixels();

std::string ColourText(COLORREF c);
