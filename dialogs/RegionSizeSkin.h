#pragma once

#include "skin/SkinSlices.h"

#include <windows.h>

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

// The dialog's client area and the places of its controls in it (left,
// top, right, bottom).
inline constexpr int kDialogWidth = 200;
inline constexpr int kDialogHeight = 100;
struct DialogLayout {
    SIZE size;
    RECT okBox;
    RECT widthCaptionBox;
    RECT heightCaptionBox;
    RECT widthBox;
    RECT heightBox;
};
inline constexpr DialogLayout kChineseLayout{
    {kDialogWidth, kDialogHeight},
    {135, 68, 175, 88},
    {5, 39, 30, 59},
    {100, 39, 125, 59},
    {32, 39, 92, 59},
    {127, 39, 187, 59}};
// "Width:" and "Height:" need wider captions than 宽： and 高：: the English
// dialog is wider, with boxes and OK button as large as the Chinese ones.
inline constexpr DialogLayout kEnglishLayout{
    {kDialogWidth + 50, kDialogHeight},
    {185, 68, 225, 88},
    {5, 39, 50, 59},
    {125, 39, 172, 59},
    {52, 39, 112, 59},
    {174, 39, 234, 59}};
// The title's place, and the height of the OK button's bold text.
inline constexpr int kTitleX = 8;
inline constexpr int kTitleY = 7;
inline constexpr int kOKFontHeight = 15;
// The caption-button strip (bitmap 134) holds twelve 38 x 18 frames; only
// the close button is shown, over a background taken from the strip 9 pixels
// into its tenth frame.
inline constexpr int kCaptionButtonWidth = 38;
inline constexpr int kCaptionButtonHeight = 18;
inline constexpr int kCaptionButtonSpacing = 1;
inline constexpr int kCaptionBackgroundFrame = 9;
inline constexpr int kCaptionBackgroundOffset = 9;

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
