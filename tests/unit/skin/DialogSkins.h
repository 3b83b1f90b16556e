#pragma once

#include "skin/CaptionButtonLayout.h"
#include "skin/SkinSlices.h"

#include <ostream>

// The slice and caption-button settings of the system's two dialogs, as they
// hand them to the skinned base.
namespace skintest {

inline skin::SkinSlices CaptureFrameSlices()
{
    skin::SkinSlices s;
    s.Set(0, {0, 0, 30, 11});
    s.Set(1, {30, 0, 10, 11});
    s.Set(2, {148, 0, 91, 11});
    s.Set(3, {0, 23, 18, 12});
    s.Set(4, {157, 114, 82, 17});
    s.Set(5, {0, 145, 31, 17});
    s.Set(6, {31, 145, 5, 17});
    s.Set(7, {154, 145, 85, 17});
    return s;
}

inline skin::SkinSlices RegionSizeDialogSlices()
{
    skin::SkinSlices s;
    s.Set(0, {0, 0, 20, 26});
    s.Set(1, {26, 0, 3, 26});
    s.Set(2, {60, 0, 40, 26});
    s.Set(3, {0, 26, 2, 5});
    s.Set(4, {98, 26, 2, 5});
    s.Set(5, {0, 68, 15, 2});
    s.Set(6, {15, 68, 5, 2});
    s.Set(7, {91, 68, 9, 2});
    return s;
}

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
inline std::ostream& operator<<(std::ostream& os, const POINT& p)
{
    return os << '(' << p.x << ',' << p.y << ')';
}
