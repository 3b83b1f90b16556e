#pragma once

#include "skin/SkinSlices.h"

// The capture frame's skin and the frame drawn from it, written down once:
// the skin's slices, the bands around the viewport and the places of the
// panel's buttons and label. The frame's geometry is derived from these
// values, and res/draw_artwork.py reads them to draw the skin and the button
// pictures where the frame expects them; it reads the lines of the form
// `constexpr int kName = n;` and `constexpr Type kName{a, b, c, d};`, so
// those stay plain numbers.
namespace frame {

// Bitmap 129. A frame of the skin's own size shows it 1:1, its white window
// exactly where the viewport lies.
inline constexpr int kSkinWidth = 239;
inline constexpr int kSkinHeight = 162;

// The bands around the viewport, as wide (or high) as the slices that paint
// them: the title band, the left band and the button panel on the right.
inline constexpr int kTitleHeight = 11;
inline constexpr int kLeftWidth = 18;
inline constexpr int kPanelWidth = 82;
// The bottom band's slices are higher than the frame below the viewport: the
// hole reaches into the band, and those rows are cut away with it.
inline constexpr int kBottomHeight = 17;
inline constexpr int kViewportBottomInset = 11;

// A place fixed to the frame's top-right corner: its left edge lies
// fromRight pixels left of the frame's right edge.
struct PanelPlace {
    int fromRight;
    int top;
    int cx;
    int cy;
};

// A place fixed to the frame's bottom-right corner.
struct CornerPlace {
    int fromRight;
    int fromBottom;
    int cx;
    int cy;
};

// The panel buttons. The skin carries their pictures at the same places, and
// their image strips hold three pictures of this size.
inline constexpr PanelPlace kCloseButton{29, 0, 29, 22};
inline constexpr PanelPlace kCaptureButton{67, 23, 50, 50};
inline constexpr PanelPlace kSetSizeButton{62, 75, 38, 35};
inline constexpr PanelPlace kHelpButton{29, 93, 20, 20};
inline constexpr CornerPlace kSizeLabel{76, 17, 52, 13};

// The size label's text height.
inline constexpr int kSizeLabelFontHeight = 11;

// The frame's size at its first start, and the smallest its border drags
// to (a 15 x 15 viewport).
inline constexpr int kDefaultWidth = 280;
inline constexpr int kDefaultHeight = 175;
inline constexpr int kMinTrackWidth = 115;
inline constexpr int kMinTrackHeight = 37;

// What the skinned base is told of the title and the caption buttons, which
// the frame does not show: the title is one blank and the buttons are hidden,
// but they keep their places for the base's layout.
inline constexpr int kTitleTextX = 35;
inline constexpr int kTitleTextY = 7;
inline constexpr int kCaptionMinWidth = 25;
inline constexpr int kCaptionMaxWidth = 25;
inline constexpr int kCaptionCloseWidth = 42;
inline constexpr int kCaptionHeight = 18;
inline constexpr int kCaptionRightMargin = 7;
inline constexpr int kCaptionMaxTopExtra = 1;
inline constexpr int kTitleIconX = 9;
inline constexpr int kTitleIconY = 6;
inline constexpr int kTitleIconSize = 16;

// The eight slices in SetSkinSlice order. Beyond the bands above they say
// which pieces of the artwork are copied: the title's and the bottom's
// corners (the resize grip in the bottom-right one) and a plain stretch of
// each side, the panel's taken below the help button's picture.
inline constexpr skin::SkinSlices kSkinSlices{{{
    {0, 0, 30, kTitleHeight},                                          // top-left corner
    {30, 0, 10, kTitleHeight},                                         // top edge
    {kSkinWidth - 91, 0, 91, kTitleHeight},                            // top-right corner
    {0, 23, kLeftWidth, 12},                                           // left edge
    {kSkinWidth - kPanelWidth, 114, kPanelWidth, 17},                  // right edge: the panel
    {0, kSkinHeight - kBottomHeight, 31, kBottomHeight},               // bottom-left corner
    {31, kSkinHeight - kBottomHeight, 5, kBottomHeight},               // bottom edge
    {kSkinWidth - 85, kSkinHeight - kBottomHeight, 85, kBottomHeight}, // bottom-right corner
}}};

} // namespace frame
