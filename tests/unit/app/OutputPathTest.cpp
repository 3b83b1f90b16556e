#include "app/OutputPath.h"
#include "app/ScreenCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Path(const wchar_t* folder) { return BuildOutputPath(folder); }

TEST(OutputPath, TrailingBackslashesAreTrimmed)
{
    EXPECT_EQ(Path(L"C:\\TEMP\\"), L"C:\\TEMP\\vantikbitmap.bmp");
    EXPECT_EQ(Path(L"C:\\TEMP\\\\"), L"C:\\TEMP\\vantikbitmap.bmp");
    EXPECT_EQ(Path(L"C:\\TEMP"), L"C:\\TEMP\\vantikbitmap.bmp");
    EXPECT_EQ(Path(L"C:\\"), L"C:\\vantikbitmap.bmp");
    EXPECT_EQ(Path(L""), L"\\vantikbitmap.bmp");
}

// 玕 is the GBK character AB 5C, whose trail byte is the backslash byte;
// Hebrew is in neither code page 936 nor 1252.
TEST(OutputPath, FolderNamesOutsideAsciiStayWhole)
{
    EXPECT_EQ(Path(L"C:\\\u7395\\"), L"C:\\\u7395\\vantikbitmap.bmp");
    EXPECT_EQ(Path(L"C:\\Users\\\u05D3\u05E0\u05D4\\Temp\\"), L"C:\\Users\\\u05D3\u05E0\u05D4\\Temp\\vantikbitmap.bmp");
}

TEST(OutputPath, PaintGetsTheQuotedPath)
{
    EXPECT_EQ(PaintParameters(L"C:\\users\\John Smith\\Temp\\vantikbitmap.bmp"),
              L"\"C:\\users\\John Smith\\Temp\\vantikbitmap.bmp\"");
}

TEST(CaptureRect, ViewportMovedByTheWindowCorner)
{
    const RECT r = CaptureRect(RECT{18, 11, 118, 61}, RECT{300, 200, 580, 375});
    EXPECT_EQ(r.left, 318);
    EXPECT_EQ(r.top, 211);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 50);
}

} // namespace
