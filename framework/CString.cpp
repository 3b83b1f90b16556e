#include "framework/CString.h"

#include <cstdarg>
#include <cstdio>

void CString::Format(const char* pszFormat, ...)
{
    va_list args; // NOLINT(cppcoreguidelines-init-variables): va_start sets it
    va_start(args, pszFormat);
    va_list measure; // NOLINT(cppcoreguidelines-init-variables): va_copy sets it
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, pszFormat, measure);
    va_end(measure);
    if (length < 0) {
        m_str.clear();
    } else {
        m_str.assign(static_cast<std::size_t>(length) + 1, '\0');
        // Writes the length measured above: the count it returns is known.
        static_cast<void>(std::vsnprintf(m_str.data(), m_str.size(), pszFormat, args));
        m_str.resize(static_cast<std::size_t>(length));
    }
    va_end(args);
}
