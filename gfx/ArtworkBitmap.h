#pragma once

#include "framework/CBitmap.h"
#include "gfx/DisplayScale.h"

#include <vector>

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

// One image of a window's artwork: where it goes and its bitmap resource.
struct ArtworkItem {
    CBitmap* bitmap;
    UINT bitmapId;
};

// Loads every item's image drawn for scale and returns scale; where any of
// them cannot be loaded (no COM or WIC on the system, a damaged image), loads
// every item's 96-DPI bitmap instead and returns the natural scale. A window
// thus never mixes the artwork of two scales, and takes the metrics of the
// scale returned.
DisplayScale LoadArtworkSet(HINSTANCE module, const std::vector<ArtworkItem>& items, const DisplayScale& scale);

// The step that turns a PNG's bytes into a bitmap: WIC's, unless another is
// put in place (tests do, to show a system where decoding fails). The bytes
// are a resource's, only to be read. Returns the one it replaced.
using PngDecoder = CBitmap (*)(BYTE* png, DWORD size);
PngDecoder ReplacePngDecoder(PngDecoder decoder);

} // namespace gfx
