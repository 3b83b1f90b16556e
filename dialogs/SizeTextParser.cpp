#include "dialogs/SizeTextParser.h"

#include <climits>

namespace {

// The white space atoi skips in the "C" locale. Texts are GBK bytes, so no
// locale-dependent classification is used.
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

int ReadSizeText(const char* text)
{
    if (text == nullptr)
        return 0;
    const char* p = text;
    while (IsSpace(*p))
        ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;

    // The magnitude stops growing once it is past what an int can hold, so
    // a text of any length cannot overflow it.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; IsDigit(*p); ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}
