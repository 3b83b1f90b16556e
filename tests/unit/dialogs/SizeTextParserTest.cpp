// How the region size dialog reads a box: atoi's reading, and a number too
// large for an int saturating instead of overflowing.
#include "dialogs/SizeTextParser.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct Reading {
    const char* text;
    int value;
};

TEST(SizeTextParser, ReadsLikeAtoiWithinTheRangeOfInt)
{
    const Reading readings[] = {
        {"320", 320},
        {"0", 0},
        {"", 0},
        {"abc", 0},
        {"  42abc", 42},     // pasted: leading blanks, trailing letters
        {"\t\n\v\f\r 7", 7}, // every white space atoi skips
        {"+15", 15},
        {"-15", -15},
        {"- 5", 0}, // nothing may stand between sign and digits
        {"+-5", 0},
        {"007", 7},
        {"12 34", 12},
        {"\xBF\xED 9", 0}, // GBK text before the digits is no white space
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
    };
    for (const Reading& r : readings)
        EXPECT_EQ(ReadSizeText(r.text), r.value) << '"' << r.text << '"';
    EXPECT_EQ(ReadSizeText(nullptr), 0);
}

TEST(SizeTextParser, NumbersBeyondIntSaturate)
{
    const Reading readings[] = {
        {"2147483648", INT_MAX},
        {"99999999999", INT_MAX},
        {"-2147483649", INT_MIN},
        {"-99999999999", INT_MIN},
        {"  4294967338px", INT_MAX}, // 2^32 + 42 must not wrap round to 42
    };
    for (const Reading& r : readings)
        EXPECT_EQ(ReadSizeText(r.text), r.value) << '"' << r.text << '"';

    // However many digits: the value stops growing, it never wraps.
    const std::string huge(5000, '9');
    EXPECT_EQ(ReadSizeText(huge.c_str()), INT_MAX);
    EXPECT_EQ(ReadSizeText(("-" + huge).c_str()), INT_MIN);
    EXPECT_EQ(ReadSizeText((std::string(300, '0') + "25").c_str()), 25) << "leading zeros are not large";
}

} // namespace
