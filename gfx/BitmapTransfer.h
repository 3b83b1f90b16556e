#pragma once

#include "framework/CBitmap.h"
#include "framework/CDC.h"

// Copies the (right - left) x (bottom - top) area of pBitmap whose top-left
// corner is (xSrc, ySrc) to pDC at (left, top), unchanged. A null or empty
// bitmap draws nothing.
void DrawBitmap(CDC* pDC, CBitmap* pBitmap, int xSrc, int ySrc, int left, int top, int right, int bottom);

// The same transfer, except that where the bitmap's pixel is exactly crKey
// the destination keeps its own pixel. The destination's background and text
// colours are the same afterwards, and the bitmap is not modified.
void DrawTransparentBitmap(CDC* pDC, CBitmap* pBitmap, int xSrc, int ySrc, int left, int top, int right, int bottom,
                           COLORREF crKey);
