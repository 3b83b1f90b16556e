#pragma once

#include "framework/CBitmap.h"

// Makes the bitmap the clipboard's only content (CF_BITMAP), owned by the
// desktop window. Returns true when the clipboard took the bitmap: from then
// on it belongs to the clipboard and must not be deleted. When another
// program holds the clipboard open, opening is retried for about 100 ms
// before the clipboard is left as it was.
bool PutBitmapOnClipboard(CBitmap* pBitmap);
