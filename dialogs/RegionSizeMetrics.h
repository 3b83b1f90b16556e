#pragma once

#include "dialogs/RegionSizeSkin.h"
#include "gfx/DisplayScale.h"
#include "skin/CaptionButtonLayout.h"
#include "skin/SkinSlices.h"

#include <windows.h>

// The region size dialog's table at one scale: every length of
// RegionSizeSkin.h scaled by the one rule of gfx::DisplayScale, places as
// their edges. The caption strip's frames are lengths: at a scale each is
// the scaled width, as the strip drawn for it has them.
namespace rgnsize {

struct DialogMetrics {
    gfx::DisplayScale scale;
    skin::SkinSlices slices;
    SIZE dialogSize{};
    RECT okBox{};
    RECT widthCaptionBox{};
    RECT heightCaptionBox{};
    RECT widthBox{};
    RECT heightBox{};
    POINT titlePosition{};
    int okFontHeight = 0;
    skin::CaptionButtonMetrics caption;
    int captionBackgroundX = 0;
};

constexpr DialogMetrics MetricsAt(const gfx::DisplayScale& s, const DialogLayout& layout = kChineseLayout)
{
    DialogMetrics m;
    m.scale = s;
    for (int i = 0; i < skin::kSliceCount; ++i) {
        const skin::SkinSlice& r = kSkinSlices.items[static_cast<std::size_t>(i)];
        m.slices.Set(i, skin::SkinSlice{s.Px(r.x), s.Px(r.y), s.Span(r.x, r.x + r.cx), s.Span(r.y, r.y + r.cy)});
    }
    m.dialogSize = SIZE{s.Px(layout.size.cx), s.Px(layout.size.cy)};
    m.okBox = s.Rect(layout.okBox);
    m.widthCaptionBox = s.Rect(layout.widthCaptionBox);
    m.heightCaptionBox = s.Rect(layout.heightCaptionBox);
    m.widthBox = s.Rect(layout.widthBox);
    m.heightBox = s.Rect(layout.heightBox);
    m.titlePosition = POINT{s.Px(kTitleX), s.Px(kTitleY)};
    m.okFontHeight = s.Px(kOKFontHeight);
    const int width = s.Px(kCaptionButtonWidth);
    m.caption = skin::CaptionButtonMetrics{
        width, width, width, s.Px(kCaptionButtonHeight), s.Px(kCaptionButtonSpacing), 0, 0, 0};
    m.captionBackgroundX = kCaptionBackgroundFrame * width + s.Px(kCaptionBackgroundOffset);
    return m;
}

inline constexpr DialogMetrics kNaturalMetrics = MetricsAt(gfx::DisplayScale{});

} // namespace rgnsize
