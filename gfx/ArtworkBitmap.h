#pragma once

#include "framework/CBitmap.h"
#include "gfx/DisplayScale.h"

namespace gfx {

// Loads into *pBitmap the image of bitmap resource bitmapId of module drawn
// for scale.
//
// At the natural scale that is the bitmap resource itself, loaded as
// CBitmap::LoadBitmap loads it. At the others it is the PNG in RCDATA
// resource bitmapId * IDR_SCALED_PER_BITMAP + scale.SetIndex(), decoded by the
// Windows Imaging Component into a 24-bit top-down DIB section whose pixels
// are exactly the PNG's, so that a colour-keyed transfer sees magenta where
// the artist drew it and nowhere else.
//
// Returns false, with *pBitmap empty, when that image is missing or cannot be
// decoded. The first decode loads ole32 and windowscodecs from the system
// folder, and they stay loaded; each call joins the calling thread to COM
// only for its own duration.
bool LoadArtwork(CBitmap* pBitmap, HINSTANCE module, UINT bitmapId, const DisplayScale& scale);

} // namespace gfx
