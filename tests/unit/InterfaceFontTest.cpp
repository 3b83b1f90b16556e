#include "gfx/InterfaceFont.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(InterfaceFont, IsOneObjectWithOneFontCreatedOnce)
{
    CFont* first = GetInterfaceFont();
    ASSERT_NE(first, nullptr);
    HGDIOBJ handle = first->GetSafeHandle();
    ASSERT_NE(handle, nullptr) << "the font was not created";

    CFont* second = GetInterfaceFont();
    EXPECT_EQ(second, first);
    EXPECT_EQ(second->GetSafeHandle(), handle) << "a second font was created";

    LOGFONTW lf{};
    ASSERT_EQ(::GetObjectW(handle, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(std::wstring(lf.lfFaceName), L"\u5B8B\u4F53") << "face name is not 宋体";
}

// The size label's and the OK button's fonts differ from the interface font
// only in height and weight.
TEST(InterfaceFont, LogFontTakesHeightAndWeightAndLeavesTheRestZero)
{
    const LOGFONTA lf = InterfaceLogFont(15, FW_BOLD);
    LOGFONTA want{};
    want.lfHeight = -15;
    want.lfWeight = FW_BOLD;
    want.lfCharSet = GB2312_CHARSET;
    std::memcpy(want.lfFaceName, "\xCB\xCE\xCC\xE5", 4);
    EXPECT_EQ(std::memcmp(&lf, &want, sizeof lf), 0) << "height " << lf.lfHeight << ", weight " << lf.lfWeight;
}
