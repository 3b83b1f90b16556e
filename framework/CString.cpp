#include "framework/CString.h"

#include <cstdarg>
#include <cstdio>

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, pszFormat, measure);
    va_end(measure);
    if (length < 0) {
        m_str.clear();
    } else {
        m_str.assign(static_cast<std::size_t>(length) + 1, '\0');
        std::vsnprintf(&m_str[0], m_str.size(), pszFormat, args);
        m_str.resize(static_cast<std::size_t>(length));
    }
    va_end(args);
}
