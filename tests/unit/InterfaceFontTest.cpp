#include "gfx/InterfaceFont.h"

#include <gtest/gtest.h>

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
