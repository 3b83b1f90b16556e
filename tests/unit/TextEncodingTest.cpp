#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// The program's Chinese texts are compiled into GBK bytes for the ANSI
// functions (code page 936).
TEST(TextEncoding, ChineseLiteralsAreGbk)
{
    const std::string closeText = "关闭";
    EXPECT_EQ(closeText, std::string("\xB9\xD8\xB1\xD5"));
    EXPECT_EQ(GetACP(), 936u) << "the test prefix does not run in code page 936";
}
