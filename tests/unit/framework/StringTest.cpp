#include "framework/CString.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameworkString, FormatAndBasics)
{
    CString s;
    EXPECT_TRUE(s.IsEmpty());
    s.Format("%dx%d", 180, 153);
    EXPECT_EQ(s, "180x153");
    EXPECT_EQ(s.GetLength(), 7);
    // Longer than any fixed first guess at the buffer.
    CString longText;
    longText.Format("%s|%0300d", "start", 7);
    EXPECT_EQ(longText.GetLength(), 306);
    EXPECT_EQ(longText.GetAt(305), '7');
}

TEST(FrameworkString, TrimRightRemovesEveryTrailingTarget)
{
    CString path("C:\\TEMP\\\\");
    path.TrimRight("\\");
    EXPECT_EQ(path, "C:\\TEMP");
    CString root("C:\\");
    root.TrimRight("\\");
    EXPECT_EQ(root, "C:");
    CString empty;
    empty.TrimRight("\\");
    EXPECT_TRUE(empty.IsEmpty());
    CString spaced(" a b \t\r\n");
    spaced.TrimRight();
    EXPECT_EQ(spaced, " a b");
}

// In GBK the byte 0x5C ('\') is also a trail byte. A folder whose name ends
// in such a character must keep it.
TEST(FrameworkString, TrimRightNeverCutsAGbkCharacter)
{
    ASSERT_EQ(GetACP(), 936u) << "needs the GBK code page";
    const char gbkChar[] = "\x95\x5C";
    wchar_t wide[4] = {};
    ASSERT_EQ(MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbkChar, 2, wide, 4), 1)
        << "95 5C is not one GBK character";

    CString path("C:\\\xB1\xED\\\x95\x5C\\\\");
    path.TrimRight("\\");
    EXPECT_EQ(path, "C:\\\xB1\xED\\\x95\x5C");

    // The character alone, with nothing to trim.
    CString bare(gbkChar);
    bare.TrimRight('\\');
    EXPECT_EQ(bare, gbkChar);
}

} // namespace
