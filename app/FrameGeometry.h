#pragma once

#include "app/CaptureFrameSkin.h"
#include "app/FrameMetrics.h"

#include <windows.h>

// The capture frame's geometry as plain computations: where the viewport,
// the panel buttons and the size label lie in a W x H frame, how the
// remembered geometry is packed, and how keys and typed sizes change the
// frame. The frame has no non-client area: client and window coordinates
// agree.
namespace frame {

// The largest frame a typed size may ask for: window coordinates are 16-bit
// in the remembered geometry and in much of the platform's drawing.
inline constexpr int kMaxFrameExtent = 32767;

// Each takes the frame's metrics at its scale; 96 DPI unless told.
RECT ViewportRect(SIZE client, const FrameMetrics& m = kNaturalMetrics);

struct PanelLayout {
    RECT close;
    RECT capture;
    RECT setSize;
    RECT help;
    RECT sizeLabel;
};
PanelLayout LayoutPanel(SIZE client, const FrameMetrics& m = kNaturalMetrics);

// The frame size that gives a viewport of w x h, clamped to
// kMaxFrameExtent so that no computation overflows.
SIZE FrameSizeForViewport(int width, int height, const FrameMetrics& m = kNaturalMetrics);

// The window rectangle (screen coordinates) whose viewport lies exactly on
// the viewport given in screen coordinates: the bands of m around it.
RECT WindowAroundViewport(const RECT& viewport, const FrameMetrics& m);

// ---- a new scale ----------------------------------------------------------------

// Where the frame goes when the platform moves it to a new scale: its new
// size (the bands of the new scale around the same viewport) at the
// top-left corner of the platform's suggested rectangle, then moved the
// least that puts more than half of its width and of its height on the
// monitor whose scale it has taken. The bands are not symmetric, so a frame
// at the seam of two monitors could otherwise land back on the monitor it
// left and take that scale again.
RECT PlaceAtNewScale(const RECT& suggested, SIZE frameSize, const RECT& monitor);

// ---- remembered geometry -------------------------------------------------

// Two 16-bit values in one 32-bit property value, each truncated.
DWORD PackPair(int low, int high);
bool ShouldStoreSize(int width, int height);
// The stored size means the frame at 96 DPI around its viewport, so that a
// start at another scale brings back the same viewport in screen pixels; at
// 96 DPI it is the frame's own size. Both ways are exact inverses.
SIZE StoredFrameSize(SIZE client, const FrameMetrics& m);
SIZE FrameSizeFromStored(SIZE stored, const FrameMetrics& m);
bool ShouldStorePosition(int x, int y);
// The window rectangle to restore from the two property values, read as
// unsigned 16-bit numbers; false when either is zero (never set).
bool RestoredWindowRect(DWORD sizeValue, DWORD positionValue, RECT* pRect);

// A window rectangle that lies on no monitor, moved onto a monitor's work
// area: the smallest move that brings it whole into the area, its size kept
// where it fits and cut to the area's where it does not.
RECT BringOntoWorkArea(const RECT& window, const RECT& workArea);

// ---- keyboard -----------------------------------------------------------------

struct ArrowStep {
    bool isArrow = false;
    int dx = 0;
    int dy = 0;
};
ArrowStep ArrowStepFor(UINT virtualKey);
// Shift+arrow: the frame one pixel wider, narrower, taller or shorter; it
// does not shrink below the minimum tracking size (nor below its own size
// when that is smaller already).
SIZE ShiftArrowSize(SIZE current, const ArrowStep& step, const FrameMetrics& m = kNaturalMetrics);

} // namespace frame
