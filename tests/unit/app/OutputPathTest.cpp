#include "app/OutputPath.h"
#include "app/ScreenCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Path(const char* folder) { return BuildOutputPath(folder).GetString(); }

TEST(OutputPath, TrailingBackslashesAreTrimmed)
{
    EXPECT_EQ(Path("C:\\TEMP\\"), "C:\\TEMP\\vantikbitmap.bmp");
    EXPECT_EQ(Path("C:\\TEMP\\\\"), "C:\\TEMP\\vantikbitmap.bmp");
    EXPECT_EQ(Path("C:\\TEMP"), "C:\\TEMP\\vantikbitmap.bmp");
    EXPECT_EQ(Path("C:\\"), "C:\\vantikbitmap.bmp");
    EXPECT_EQ(Path(""), "\\vantikbitmap.bmp");
}

TEST(OutputPath, DoubleByteCharacterEndingInBackslashByteStaysWhole)
{
    ASSERT_EQ(GetACP(), 936u);
    // AB 5C is one GBK character whose trail byte is the backslash byte.
    const std::string folder = "C:\\\xAB\x5C";
    EXPECT_EQ(Path((folder + "\\").c_str()), folder + "\\vantikbitmap.bmp");
}

TEST(OutputPath, PaintGetsTheQuotedPath)
{
    EXPECT_EQ(std::string(PaintParameters("C:\\users\\John Smith\\Temp\\vantikbitmap.bmp")),
              "\"C:\\users\\John Smith\\Temp\\vantikbitmap.bmp\"");
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
