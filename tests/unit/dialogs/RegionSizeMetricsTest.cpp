#include "dialogs/RegionSizeMetrics.h"

#include <gtest/gtest.h>

namespace {

TEST(RegionSizeMetrics, BoxesAreScaledAsEdgesAndCaptionFramesAsLengths)
{
    const rgnsize::DialogMetrics m200 = rgnsize::MetricsAt(gfx::DisplayScale::ForDpi(192));
    EXPECT_EQ(m200.dialogSize.cx, 400);
    EXPECT_EQ(m200.dialogSize.cy, 200);
    EXPECT_EQ(m200.widthBox.left, 64);
    EXPECT_EQ(m200.widthBox.bottom, 118);
    EXPECT_EQ(m200.okFontHeight, 30);

    // At 125 % a strip frame is 47.5 -> 48 wide, and the close button's
    // background lies 9 frames and 9 -> 11 pixels into the strip.
    const rgnsize::DialogMetrics m125 = rgnsize::MetricsAt(gfx::DisplayScale::ForDpi(120));
    EXPECT_EQ(m125.caption.closeWidth, 48);
    EXPECT_EQ(m125.caption.height, 23);
    EXPECT_EQ(m125.captionBackgroundX, 443);
    EXPECT_EQ(m125.heightBox.right - m125.heightBox.left, 75);
}

} // namespace
