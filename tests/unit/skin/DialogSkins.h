#pragma once

#include "app/CaptureFrameSkin.h"
#include "dialogs/RegionSizeSkin.h"
#include "skin/CaptionButtonLayout.h"
#include "skin/SkinSlices.h"

#include <ostream>

// The system's two dialogs as they configure the skinned base: their own
// slice tables (frame::kSkinSlices, rgnsize::kSkinSlices), and these caption
// button settings and client areas.
namespace skintest {

// SetCaptionButtons (25, 25, 42, 18, 0, 7, 0, 1, ...) of the capture frame.
inline constexpr skin::CaptionButtonMetrics kCaptureFrameCaption{25, 25, 42, 18, 0, 7, 0, 1};
// SetCaptionButtons (38, 38, 38, 18, 1, 0, 0, 0, ...) of the region size dialog.
inline constexpr skin::CaptionButtonMetrics kRegionSizeCaption{38, 38, 38, 18, 1, 0, 0, 0};

inline constexpr RECT kCaptureClient{0, 0, 280, 175};
inline constexpr RECT kRegionSizeClient{0, 0, 200, 100};

} // namespace skintest

// RECT has no equality or printing of its own; these keep test failures
// readable.
inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << '(' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << ')';
}
inline bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }
inline std::ostream& operator<<(std::ostream& os, const POINT& p) { return os << '(' << p.x << ',' << p.y << ')'; }
