#include "framework/CString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FrameworkString, Format)
{
    CString s;
    s.Format("%dx%d", 180, 153);
    EXPECT_STREQ(s, "180x153");
    // Longer than any fixed first guess at the buffer.
    CString longText;
    longText.Format("%s|%0300d", "start", 7);
    const std::string text = static_cast<const char*>(longText);
    EXPECT_EQ(text.size(), 306u);
    EXPECT_EQ(text.substr(0, 7), "start|0");
    EXPECT_EQ(text.back(), '7');
}

} // namespace
