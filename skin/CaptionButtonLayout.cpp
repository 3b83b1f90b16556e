#include "skin/CaptionButtonLayout.h"

namespace skin {

namespace {

// The button of width `width` right before (left of) `neighbour`.
RECT LeftOf(const RECT& neighbour, int width, int spacing)
{
    const int right = neighbour.left - spacing;
    return RECT{right - width, neighbour.top, right, neighbour.bottom};
}

} // namespace

CaptionButtonRects LayoutCaptionButtons(const CaptionButtonMetrics& m, const RECT& client, bool maximised,
                                        bool hasMaxButton)
{
    const int extra = maximised ? m.maxTopExtra : 0;
    const int right = client.right - m.rightMargin;
    const int top = client.top + m.topMargin + extra;

    CaptionButtonRects r;
    r.close = RECT{right - m.closeWidth, top, right, top + m.height};
    r.hasMax = hasMaxButton;
    const RECT* last = &r.close;
    if (hasMaxButton) {
        r.max = LeftOf(r.close, m.maxWidth, m.spacing);
        last = &r.max;
    }
    r.min = LeftOf(*last, m.minWidth, m.spacing);
    return r;
}

CaptionStripOffsets StripOffsets(const CaptionButtonMetrics& m)
{
    // Each triple holds normal, hover and pressed frames.
    CaptionStripOffsets o;
    o.min = 0;
    o.max = 3 * m.minWidth;
    o.close = 3 * (m.minWidth + m.maxWidth);
    o.restore = 3 * (m.minWidth + m.maxWidth + m.closeWidth);
    return o;
}

int MaxButtonImageX(const CaptionButtonMetrics& m, bool maximised)
{
    const CaptionStripOffsets o = StripOffsets(m);
    return maximised ? o.restore : o.max;
}

} // namespace skin
