#include "gfx/DisplayScale.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayScale, ADpiTakesTheLargestScaleDrawnForThatIsNotAboveIt)
{
    const struct {
        int dpi;
        int percent;
    } cases[] = {
        {0, 100},
        {72, 100},
        {96, 100},
        {119, 100},
        {120, 125},
        {143, 125},
        {144, 150},
        {167, 150},
        {168, 175},
        {192, 200},
        {239, 200},
        {240, 250},
        {288, 300},
        {480, 300}};
    for (const auto& c : cases)
        EXPECT_EQ(gfx::DisplayScale::ForDpi(c.dpi).Percent(), c.percent) << "at " << c.dpi << " DPI";
    EXPECT_TRUE(gfx::DisplayScale::ForDpi(96).IsNatural());
    EXPECT_EQ(gfx::DisplayScale::ForDpi(150).Dpi(), 144);
}

TEST(DisplayScale, LengthsRoundHalfUpAndSpansAreDifferencesOfPositions)
{
    const gfx::DisplayScale natural;
    const gfx::DisplayScale s125 = gfx::DisplayScale::ForDpi(120);
    const gfx::DisplayScale s175 = gfx::DisplayScale::ForDpi(168);
    EXPECT_EQ(natural.Px(37), 37);
    EXPECT_EQ(s125.Px(1), 1); // 1.25
    EXPECT_EQ(s125.Px(2), 3); // 2.5 up
    EXPECT_EQ(s125.Px(-2), -3) << "half away from zero";
    EXPECT_EQ(s175.Px(2), 4); // 3.5 up
    EXPECT_EQ(s175.Px(3), 5); // 5.25
    // A span is the difference of the scaled positions, not the scaled
    // length: 1..3 and 3..5 at 125 % are 3 and 2, where scaling their length
    // would give 3 for both and end the second a pixel past where 5 lies.
    EXPECT_EQ(s125.Span(1, 3), 3);
    EXPECT_EQ(s125.Span(3, 5), 2);
    const RECT r = s125.Rect(RECT{5, 39, 30, 59});
    EXPECT_EQ(r.left, 6);
    EXPECT_EQ(r.top, 49);
    EXPECT_EQ(r.right, 38);
    EXPECT_EQ(r.bottom, 74);
}

} // namespace
