#pragma once

#include "app/CaptureFrameSkin.h"
#include "gfx/DisplayScale.h"
#include "skin/CaptionButtonLayout.h"
#include "skin/SkinSlices.h"

#include <windows.h>

// The capture frame's table at one scale: every length of CaptureFrameSkin.h
// scaled by the one rule of gfx::DisplayScale. Places on the skin are scaled
// as positions on the skin's own pixels (a panel place by its left edge on a
// frame of the skin's size), so that the artwork drawn for the scale lies
// exactly under them. The viewport between the bands stays in device pixels.
namespace frame {

struct FrameMetrics {
    gfx::DisplayScale scale;
    // The bands around the viewport.
    int titleHeight = 0;
    int leftWidth = 0;
    int panelWidth = 0;
    int viewportBottomInset = 0;
    skin::SkinSlices slices;
    PanelPlace closeButton{};
    PanelPlace captureButton{};
    PanelPlace setSizeButton{};
    PanelPlace helpButton{};
    CornerPlace sizeLabel{};
    int sizeLabelFontHeight = 0;
    SIZE defaultSize{};
    SIZE minTrackSize{};
    // The skinned base's settings: the title (never shown) and the caption
    // buttons (hidden), as the base lays them out.
    POINT titlePosition{};
    skin::CaptionButtonMetrics caption;
    POINT titleIconPosition{};
    SIZE titleIconSize{};

    // How much larger the frame is than its viewport.
    constexpr int ExtraWidth() const { return leftWidth + panelWidth; }
    constexpr int ExtraHeight() const { return titleHeight + viewportBottomInset; }
};

namespace metrics_detail {

// A rectangle of the skin, its edges scaled.
constexpr skin::SkinSlice Slice(const gfx::DisplayScale& s, const skin::SkinSlice& r)
{
    return skin::SkinSlice{s.Px(r.x), s.Px(r.y), s.Span(r.x, r.x + r.cx), s.Span(r.y, r.y + r.cy)};
}

// A length measured back from the skin's right (or bottom) edge.
constexpr int FromEnd(const gfx::DisplayScale& s, int skinExtent, int fromEnd)
{
    return s.Span(skinExtent - fromEnd, skinExtent);
}

constexpr PanelPlace Place(const gfx::DisplayScale& s, const PanelPlace& p)
{
    const int left = kSkinWidth - p.fromRight;
    return PanelPlace{
        FromEnd(s, kSkinWidth, p.fromRight), s.Px(p.top), s.Span(left, left + p.cx), s.Span(p.top, p.top + p.cy)};
}

constexpr CornerPlace Place(const gfx::DisplayScale& s, const CornerPlace& p)
{
    const int left = kSkinWidth - p.fromRight;
    const int top = kSkinHeight - p.fromBottom;
    return CornerPlace{FromEnd(s, kSkinWidth, p.fromRight),
                       FromEnd(s, kSkinHeight, p.fromBottom),
                       s.Span(left, left + p.cx),
                       s.Span(top, top + p.cy)};
}

} // namespace metrics_detail

constexpr FrameMetrics MetricsAt(const gfx::DisplayScale& s)
{
    using namespace metrics_detail;
    FrameMetrics m;
    m.scale = s;
    m.titleHeight = s.Px(kTitleHeight);
    m.leftWidth = s.Px(kLeftWidth);
    m.panelWidth = FromEnd(s, kSkinWidth, kPanelWidth);
    m.viewportBottomInset = FromEnd(s, kSkinHeight, kViewportBottomInset);
    for (int i = 0; i < skin::kSliceCount; ++i)
        m.slices.Set(i, Slice(s, kSkinSlices.items[static_cast<std::size_t>(i)]));
    m.closeButton = Place(s, kCloseButton);
    m.captureButton = Place(s, kCaptureButton);
    m.setSizeButton = Place(s, kSetSizeButton);
    m.helpButton = Place(s, kHelpButton);
    m.sizeLabel = Place(s, kSizeLabel);
    m.sizeLabelFontHeight = s.Px(kSizeLabelFontHeight);
    m.defaultSize = SIZE{s.Px(kDefaultWidth), s.Px(kDefaultHeight)};
    m.minTrackSize = SIZE{s.Px(kMinTrackWidth), s.Px(kMinTrackHeight)};
    m.titlePosition = POINT{s.Px(kTitleTextX), s.Px(kTitleTextY)};
    m.caption = skin::CaptionButtonMetrics{
        s.Px(kCaptionMinWidth),
        s.Px(kCaptionMaxWidth),
        s.Px(kCaptionCloseWidth),
        s.Px(kCaptionHeight),
        0,
        s.Px(kCaptionRightMargin),
        0,
        s.Px(kCaptionMaxTopExtra)};
    m.titleIconPosition = POINT{s.Px(kTitleIconX), s.Px(kTitleIconY)};
    m.titleIconSize = SIZE{s.Px(kTitleIconSize), s.Px(kTitleIconSize)};
    return m;
}

inline constexpr FrameMetrics kNaturalMetrics = MetricsAt(gfx::DisplayScale{});

} // namespace frame
