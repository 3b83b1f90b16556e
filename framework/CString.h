#pragma once

#include <string>

// A byte string in GBK (code page 936), the program's text encoding, over
// std::string. Converts implicitly to const char* for the framework's text
// interfaces, which hand it to the platform decoded from 936.
class CString {
public:
    CString() = default;
    CString(const char* psz) : m_str(psz != nullptr ? psz : "") {}
    CString(std::string str) : m_str(std::move(str)) {}

    operator const char*() const { return m_str.c_str(); }
    bool IsEmpty() const { return m_str.empty(); }

    // printf-style formatting; replaces the content.
    void Format(const char* pszFormat, ...);

private:
    std::string m_str;
};
