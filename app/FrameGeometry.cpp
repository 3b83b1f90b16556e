#include "app/FrameGeometry.h"

#include <algorithm>

namespace frame {

namespace {

RECT At(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

RECT PlaceIn(SIZE client, const PanelPlace& p) { return At(client.cx - p.fromRight, p.top, p.cx, p.cy); }

RECT PlaceIn(SIZE client, const CornerPlace& p)
{
    return At(client.cx - p.fromRight, client.cy - p.fromBottom, p.cx, p.cy);
}

// Viewport extent for a frame extent, and back, without overflow.
int ClampFrameExtent(long long extent) { return static_cast<int>(std::clamp<long long>(extent, 0, kMaxFrameExtent)); }

// The least move of a window's edge along one axis that leaves more than
// half of its extent between from and to.
int MostlyWithin(int start, int extent, int from, int to)
{
    const int overhang = (extent - 1) / 2; // the most that may lie outside
    return std::clamp(start, from - overhang, std::max(from - overhang, to - extent + overhang));
}

int ShrinkNoFurtherThan(int current, int delta, int minimum)
{
    return std::max(current + delta, std::min(current, minimum));
}

} // namespace

RECT ViewportRect(SIZE client, const FrameMetrics& m)
{
    return RECT{m.leftWidth, m.titleHeight, client.cx - m.panelWidth, client.cy - m.viewportBottomInset};
}

PanelLayout LayoutPanel(SIZE client, const FrameMetrics& m)
{
    return PanelLayout{PlaceIn(client, m.closeButton),
                       PlaceIn(client, m.captureButton),
                       PlaceIn(client, m.setSizeButton),
                       PlaceIn(client, m.helpButton),
                       PlaceIn(client, m.sizeLabel)};
}

SIZE FrameSizeForViewport(int width, int height, const FrameMetrics& m)
{
    return SIZE{ClampFrameExtent(static_cast<long long>(width) + m.ExtraWidth()),
                ClampFrameExtent(static_cast<long long>(height) + m.ExtraHeight())};
}

RECT WindowAroundViewport(const RECT& viewport, const FrameMetrics& m)
{
    return RECT{viewport.left - m.leftWidth,
                viewport.top - m.titleHeight,
                viewport.right + m.panelWidth,
                viewport.bottom + m.viewportBottomInset};
}

RECT PlaceAtNewScale(const RECT& suggested, SIZE frameSize, const RECT& monitor)
{
    const int left = MostlyWithin(suggested.left, frameSize.cx, monitor.left, monitor.right);
    const int top = MostlyWithin(suggested.top, frameSize.cy, monitor.top, monitor.bottom);
    return At(left, top, frameSize.cx, frameSize.cy);
}

DWORD PackPair(int low, int high)
{
    return static_cast<DWORD>(MAKELONG(static_cast<WORD>(low), static_cast<WORD>(high)));
}

bool ShouldStoreSize(int width, int height) { return width > 0 && height > 0; }

SIZE StoredFrameSize(SIZE client, const FrameMetrics& m)
{
    return SIZE{client.cx - m.ExtraWidth() + kNaturalMetrics.ExtraWidth(),
                client.cy - m.ExtraHeight() + kNaturalMetrics.ExtraHeight()};
}

SIZE FrameSizeFromStored(SIZE stored, const FrameMetrics& m)
{
    return SIZE{stored.cx - kNaturalMetrics.ExtraWidth() + m.ExtraWidth(),
                stored.cy - kNaturalMetrics.ExtraHeight() + m.ExtraHeight()};
}

bool ShouldStorePosition(int x, int y) { return x > 0 && y > 0; }

bool RestoredWindowRect(DWORD sizeValue, DWORD positionValue, RECT* pRect)
{
    if (sizeValue == 0 || positionValue == 0)
        return false;
    const int x = LOWORD(positionValue);
    const int y = HIWORD(positionValue);
    *pRect = RECT{x, y, x + LOWORD(sizeValue), y + HIWORD(sizeValue)};
    return true;
}

RECT BringOntoWorkArea(const RECT& window, const RECT& workArea)
{
    const int width = std::min(window.right - window.left, workArea.right - workArea.left);
    const int height = std::min(window.bottom - window.top, workArea.bottom - workArea.top);
    const int left = std::clamp(window.left, workArea.left, workArea.right - width);
    const int top = std::clamp(window.top, workArea.top, workArea.bottom - height);
    return At(left, top, width, height);
}

ArrowStep ArrowStepFor(UINT virtualKey)
{
    switch (virtualKey) {
    case VK_LEFT:
        return ArrowStep{true, -1, 0};
    case VK_RIGHT:
        return ArrowStep{true, 1, 0};
    case VK_UP:
        return ArrowStep{true, 0, -1};
    case VK_DOWN:
        return ArrowStep{true, 0, 1};
    default:
        return ArrowStep{};
    }
}

SIZE ShiftArrowSize(SIZE current, const ArrowStep& step, const FrameMetrics& m)
{
    return SIZE{ShrinkNoFurtherThan(current.cx, step.dx, m.minTrackSize.cx),
                ShrinkNoFurtherThan(current.cy, step.dy, m.minTrackSize.cy)};
}

} // namespace frame
