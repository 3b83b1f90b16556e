#pragma once

#include "skin/SkinSlices.h"

// The region size dialog's skin, written down once. The dialog cuts its
// slices from these values, and res/draw_artwork.py reads the lines of the
// form `constexpr int kName = n;` to draw the skin, so those stay plain
// numbers.
namespace rgnsize {

// Bitmap 135.
inline constexpr int kSkinWidth = 100;
inline constexpr int kSkinHeight = 70;
// The title band, and the left, right and bottom edges around the white
// inner area.
inline constexpr int kTitleHeight = 26;
inline constexpr int kEdgeWidth = 2;

// The eight slices in SetSkinSlice order.
inline constexpr skin::SkinSlices kSkinSlices{{{
    {0, 0, 20, kTitleHeight},                                  // top-left corner
    {26, 0, 3, kTitleHeight},                                  // title band
    {kSkinWidth - 40, 0, 40, kTitleHeight},                    // top-right corner
    {0, kTitleHeight, kEdgeWidth, 5},                          // left edge
    {kSkinWidth - kEdgeWidth, kTitleHeight, kEdgeWidth, 5},    // right edge
    {0, kSkinHeight - kEdgeWidth, 15, kEdgeWidth},             // bottom-left corner
    {15, kSkinHeight - kEdgeWidth, 5, kEdgeWidth},             // bottom edge
    {kSkinWidth - 9, kSkinHeight - kEdgeWidth, 9, kEdgeWidth}, // bottom-right corner
}}};

} // namespace rgnsize
