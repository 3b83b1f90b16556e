#include "skin/VelFrameGeometry.h"

#include <algorithm>

namespace skin {

namespace {

// Left and top inclusive, right and bottom exclusive, as PtInRect decides.
constexpr bool Contains(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

constexpr int Width(const RECT& r) { return r.right - r.left; }
constexpr int Height(const RECT& r) { return r.bottom - r.top; }

SliceTransfer Copy(const SkinSlices& s, Slice slice, int x, int y)
{
    return SliceTransfer{slice, x, y, s[slice].cx, s[slice].cy, false};
}

SliceTransfer Stretch(Slice slice, int x, int y, int cx, int cy) { return SliceTransfer{slice, x, y, cx, cy, true}; }

// Corner, stretched middle, right-aligned corner: the top and bottom bands.
PartTransfers ThreePieceBand(const SkinSlices& s, Slice left, Slice middle, Slice right, int width)
{
    const int leftWidth = s[left].cx;
    const int rightWidth = s[right].cx;
    PartTransfers t;
    t.items[0] = Copy(s, left, 0, 0);
    t.items[1] = Stretch(middle, leftWidth, 0, width - leftWidth - rightWidth, s[left].cy);
    t.items[2] = Copy(s, right, width - rightWidth, 0);
    t.count = 3;
    return t;
}

} // namespace

RECT FramePartRect(const SkinSlices& s, FramePart part, const RECT& client)
{
    const int h0 = s.TitleHeight();
    const int h5 = s.BottomHeight();
    const LONG l = client.left, t = client.top, r = client.right, b = client.bottom;
    switch (part) {
    case FramePart::Top:
        return RECT{l, t, r, t + h0};
    case FramePart::Left:
        return RECT{l, t + h0, l + s.LeftWidth(), b - h5};
    case FramePart::Right:
        return RECT{r - s.RightWidth(), t + h0, r, b - h5};
    case FramePart::Bottom:
        return RECT{l, b - h5, r, b};
    }
    return RECT{};
}

PartTransfers FramePartTransfers(const SkinSlices& s, FramePart part, SIZE partSize)
{
    PartTransfers t;
    switch (part) {
    case FramePart::Top:
        return ThreePieceBand(s, Slice::TopLeft, Slice::TopMiddle, Slice::TopRight, partSize.cx);
    case FramePart::Left:
        t.items[0] = Stretch(Slice::Left, 0, 0, partSize.cx, partSize.cy);
        t.count = 1;
        break;
    case FramePart::Right:
        t.items[0] = Stretch(Slice::Right, 0, 0, partSize.cx, partSize.cy);
        t.count = 1;
        break;
    case FramePart::Bottom:
        return ThreePieceBand(s, Slice::BottomLeft, Slice::BottomMiddle, Slice::BottomRight, partSize.cx);
    }
    return t;
}

RECT TitleTextRect(const SkinSlices& s, const RECT& client, POINT titlePos, const CaptionButtonMetrics& m,
                   bool minShown, bool maxShown)
{
    // Room for all three buttons and their gaps, then give back what a
    // hidden button does not take. The trailing 5 keeps text off the buttons.
    int right = client.right - 2 * m.spacing - m.rightMargin - m.closeWidth - m.maxWidth - m.minWidth - 5;
    if (!minShown)
        right += m.minWidth;
    if (!maxShown)
        right += m.maxWidth;
    return RECT{titlePos.x, titlePos.y, right, client.top + s.TitleHeight()};
}

RECT SubtitleRect(const SkinSlices& s, const RECT& client, POINT subtitlePos)
{
    return RECT{subtitlePos.x, subtitlePos.y, client.right, client.top + s.TitleHeight()};
}

RECT GetInnerRect(const SkinSlices& s, const RECT& client)
{
    return RECT{client.left + s.LeftWidth(),
                client.top + s.TitleHeight(),
                client.right - s.RightWidth(),
                client.bottom - s.BottomRightHeight()};
}

std::vector<CornerPixel> RegionCornerPixels(SIZE skinSize, SIZE windowSize, const gfx::DisplayScale& scale)
{
    const int n = scale.Px(kRegionCornerSize);
    // Skin and window origin of each corner square: top-left, top-right,
    // bottom-left, bottom-right.
    const POINT skinOrigin[4] = {
        {0, 0}, {skinSize.cx - n, 0}, {0, skinSize.cy - n}, {skinSize.cx - n, skinSize.cy - n}};
    const POINT windowOrigin[4] = {
        {0, 0}, {windowSize.cx - n, 0}, {0, windowSize.cy - n}, {windowSize.cx - n, windowSize.cy - n}};

    std::vector<CornerPixel> pixels;
    const auto side = static_cast<std::size_t>(n);
    pixels.reserve(4 * side * side);
    for (int corner = 0; corner < 4; ++corner)
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                pixels.push_back(CornerPixel{POINT{skinOrigin[corner].x + i, skinOrigin[corner].y + j},
                                             POINT{windowOrigin[corner].x + i, windowOrigin[corner].y + j}});
    return pixels;
}

std::vector<POINT> RegionPixelsToCut(SIZE skinSize, SIZE windowSize, const std::function<bool(POINT)>& isKeyPixel,
                                     const gfx::DisplayScale& scale)
{
    std::vector<POINT> cut;
    for (const CornerPixel& p : RegionCornerPixels(skinSize, windowSize, scale))
        if (isKeyPixel(p.skin))
            cut.push_back(p.window);
    return cut;
}

std::array<HitBand, 11> FrameHitBands(const SkinSlices& s, const RECT& client, const gfx::DisplayScale& scale)
{
    const int w3 = s.LeftWidth(), w4 = s.RightWidth();
    const int h0 = s.TitleHeight(), h5 = s.BottomHeight();
    const int d = scale.Px(kResizeBandDepth);
    const LONG l = client.left, t = client.top, r = client.right, b = client.bottom;
    // The title band is inset by the left edge's width on both sides; the
    // top corners reach h0 along the top edge, the bottom ones are h5 squares.
    return {{
        {{l + w3, t + d, r - w3, t + h0}, HTCAPTION},
        {{l, t, l + w3, t + h0}, HTTOPLEFT},
        {{l, t, l + h0, t + d}, HTTOPLEFT},
        {{l + h0, t, r - h0, t + d}, HTTOP},
        {{r - w4, t, r, t + h0}, HTTOPRIGHT},
        {{r - h0, t, r, t + d}, HTTOPRIGHT},
        {{l, t + h0, l + std::min(w3, d), b - h5}, HTLEFT},
        {{r - std::min(w4, d), t + h0, r, b - h5}, HTRIGHT},
        {{l, b - h5, l + h5, b}, HTBOTTOMLEFT},
        {{l + h5, b - d, r - h5, b}, HTBOTTOM},
        {{r - h5, b - h5, r, b}, HTBOTTOMRIGHT},
    }};
}

RECT MenuSpotRect(const SkinSlices& s, const RECT& client, const gfx::DisplayScale& scale)
{
    const int left = client.left + s.LeftWidth();
    return RECT{
        left, client.top + scale.Px(kResizeBandDepth), left + scale.Px(kMenuSpotWidth), client.top + s.TitleHeight()};
}

int HitTestFrame(const SkinSlices& s, const RECT& client, POINT p, const gfx::DisplayScale& scale)
{
    for (const HitBand& band : FrameHitBands(s, client, scale)) {
        if (!Contains(band.rect, p))
            continue;
        if (band.code == HTCAPTION && Contains(MenuSpotRect(s, client, scale), p))
            return kHitMenuSpot;
        return band.code;
    }
    return HTCLIENT;
}

bool IsBorderCode(int code) { return code >= HTLEFT && code <= HTBOTTOMRIGHT; }

int CursorIdForHitCode(int code)
{
    switch (code) {
    case HTTOP:
    case HTBOTTOM:
        return 32645; // IDC_SIZENS
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return 32642; // IDC_SIZENWSE
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return 32643; // IDC_SIZENESW
    case HTLEFT:
    case HTRIGHT:
        return 32644; // IDC_SIZEWE
    default:
        return 0;
    }
}

int FrameCursorId(bool overDialogItself, bool maximised, bool resizable, int hitCode)
{
    if (!overDialogItself || maximised || !resizable)
        return 0;
    return CursorIdForHitCode(hitCode);
}

PressAction ActionForPress(int code, bool resizable, bool maximised, bool minimised)
{
    if (code == HTCLIENT || code == HTCAPTION || code == kHitMenuSpot)
        return PressAction::DragWindow;
    if (!resizable)
        return PressAction::Nothing;
    if (code == HTBOTTOMRIGHT)
        return (maximised || minimised) ? PressAction::Nothing : PressAction::BeginResize;
    if (IsBorderCode(code))
        return PressAction::BeginResize;
    return PressAction::Nothing;
}

bool DoubleClickTogglesMaximise(int code) { return code == HTCAPTION; }

ResizeTick ResizeTickAction(UINT_PTR timerId, bool resizable, int resizeCode, bool primaryButtonDown)
{
    if (timerId != kResizeTimerId)
        return ResizeTick::Ignore;
    if (!resizable || resizeCode == kNoResize)
        return ResizeTick::StopTimer;
    if (!primaryButtonDown)
        return ResizeTick::EndResize;
    return ResizeTick::MoveWindow;
}

int PrimaryButtonKey(bool buttonsSwapped) { return buttonsSwapped ? VK_RBUTTON : VK_LBUTTON; }

ResizeEdges EdgesFollowingMouse(int code)
{
    ResizeEdges e;
    e.left = code == HTLEFT || code == HTTOPLEFT || code == HTBOTTOMLEFT;
    e.right = code == HTRIGHT || code == HTTOPRIGHT || code == HTBOTTOMRIGHT;
    e.top = code == HTTOP || code == HTTOPLEFT || code == HTTOPRIGHT;
    e.bottom = code == HTBOTTOM || code == HTBOTTOMLEFT || code == HTBOTTOMRIGHT;
    return e;
}

RECT MoveEdges(const RECT& press, const ResizeEdges& edges, int dx, int dy)
{
    RECT r = press;
    if (edges.left)
        r.left += dx;
    if (edges.right)
        r.right += dx;
    if (edges.top)
        r.top += dy;
    if (edges.bottom)
        r.bottom += dy;
    return r;
}

RECT ClampToMinimum(RECT r, const ResizeEdges& edges, SIZE minSize)
{
    if (Width(r) < minSize.cx) {
        if (edges.left)
            r.left = r.right - minSize.cx;
        else if (edges.right)
            r.right = r.left + minSize.cx;
    }
    if (Height(r) < minSize.cy) {
        if (edges.top)
            r.top = r.bottom - minSize.cy;
        else if (edges.bottom)
            r.bottom = r.top + minSize.cy;
    }
    return r;
}

RECT ResizeRect(int code, const RECT& pressWindow, POINT pressPoint, POINT cursor, SIZE minSize)
{
    const ResizeEdges edges = EdgesFollowingMouse(code);
    const RECT moved = MoveEdges(pressWindow, edges, cursor.x - pressPoint.x, cursor.y - pressPoint.y);
    return ClampToMinimum(moved, edges, minSize);
}

POINT MaximisedPosition(const SkinSlices& s, const RECT& workArea, const gfx::DisplayScale& scale)
{
    return POINT{workArea.left - s.LeftWidth(), workArea.top - scale.Px(kResizeBandDepth)};
}

SIZE MaximisedSize(const SkinSlices& s, const RECT& workArea, const gfx::DisplayScale& scale)
{
    const POINT origin = MaximisedPosition(s, workArea, scale);
    return SIZE{(workArea.right + s.RightWidth()) - origin.x, (workArea.bottom + s.BottomRightHeight()) - origin.y};
}

void FillMinMaxInfo(MINMAXINFO& info, const SkinSlices& s, SIZE minTrackSize, const RECT& workArea,
                    const gfx::DisplayScale& scale)
{
    info.ptMinTrackSize = POINT{minTrackSize.cx, minTrackSize.cy};
    info.ptMaxPosition = MaximisedPosition(s, workArea, scale);
    const SIZE size = MaximisedSize(s, workArea, scale);
    info.ptMaxSize = POINT{size.cx, size.cy};
}

} // namespace skin
