#pragma once

#include <windows.h>

namespace skin {

// Geometry of the minimise, maximise/restore and close caption buttons, as
// SetCaptionButtons stores it; the defaults are those of a fresh dialog.
struct CaptionButtonMetrics {
    int minWidth = 16;
    int maxWidth = 16;
    int closeWidth = 16;
    int height = 16;
    int spacing = 4;     // gap between neighbouring buttons
    int rightMargin = 5; // from the client area's right edge
    int topMargin = 4;   // from the client area's top edge
    int maxTopExtra = 0; // added to the top margin while maximised
};

// Where the caption buttons go, in client coordinates. `max` is meaningful
// only when hasMax is set; the minimise button then sits left of it,
// otherwise directly left of the close button.
struct CaptionButtonRects {
    RECT close{};
    RECT max{};
    RECT min{};
    bool hasMax = false;
};

// Lays the buttons out from the client area's top-right corner leftwards:
// close, then maximise (if the dialog has one), then minimise. Used both when
// the buttons are created (maximised = false) and on every size change.
CaptionButtonRects LayoutCaptionButtons(const CaptionButtonMetrics& m, const RECT& client, bool maximised,
                                        bool hasMaxButton);

// x offsets of the four image triples in the caption strip; each frame of a
// triple is as wide as the button that shows it.
struct CaptionStripOffsets {
    int min = 0;
    int max = 0;
    int close = 0;
    int restore = 0;
};

CaptionStripOffsets StripOffsets(const CaptionButtonMetrics& m);

// The maximise button shows the restore triple while the window is maximised.
int MaxButtonImageX(const CaptionButtonMetrics& m, bool maximised);

} // namespace skin
