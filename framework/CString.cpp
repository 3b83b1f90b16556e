#include "framework/CString.h"

#include "framework/GbkText.h"

#include <cstdio>
#include <cstring>
#include <vector>

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, pszFormat, measure);
    va_end(measure);
    if (length < 0) {
        m_str.clear();
        return;
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), pszFormat, args);
    m_str.assign(buffer.data(), static_cast<std::size_t>(length));
}

namespace {

// Length in bytes of the GBK character starting at p: 2 for a lead byte
// followed by a trail byte, else 1.
std::size_t CharLength(const char* p)
{
    return (::IsDBCSLeadByteEx(kGbkCodePage, static_cast<BYTE>(*p)) && p[1] != '\0') ? 2 : 1;
}

// Walks the text from the front and returns where the final run of
// single-byte characters matching isTarget begins (size() if there is none).
template <class Pred>
std::size_t TrailingRunStart(const std::string& s, Pred isTarget)
{
    std::size_t runStart = s.size();
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t len = CharLength(s.c_str() + i);
        if (len == 1 && isTarget(s[i])) {
            if (runStart == s.size())
                runStart = i;
        } else {
            runStart = s.size();
        }
        i += len;
    }
    return runStart;
}

} // namespace

CString& CString::TrimRight()
{
    m_str.erase(TrailingRunStart(m_str, [](char c) {
        return c == ' ' || (c >= '\t' && c <= '\r');
    }));
    return *this;
}

CString& CString::TrimRight(const char* pszTargets)
{
    if (pszTargets == nullptr || *pszTargets == '\0')
        return *this;
    m_str.erase(TrailingRunStart(m_str, [pszTargets](char c) {
        return c != '\0' && std::strchr(pszTargets, c) != nullptr;
    }));
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    const char targets[2] = {chTarget, '\0'};
    return TrimRight(targets);
}

CString& CString::TrimLeft()
{
    std::size_t i = 0;
    while (i < m_str.size() && (m_str[i] == ' ' || (m_str[i] >= '\t' && m_str[i] <= '\r')))
        ++i;
    m_str.erase(0, i);
    return *this;
}
