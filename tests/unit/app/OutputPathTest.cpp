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
