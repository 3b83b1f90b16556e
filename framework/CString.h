#pragma once

#include <windows.h>

#include <cstdarg>
#include <string>

// A byte string in GBK (code page 936), the program's text encoding, over
// std::string. Converts implicitly to const char* for the framework's text
// interfaces, which hand it to the platform decoded from 936.
class CString {
public:
    CString() = default;
    CString(const char* psz) : m_str(psz != nullptr ? psz : "") {}
    CString(const char* pch, int nLength) : m_str(pch, static_cast<std::size_t>(nLength)) {}
    CString(std::string str) : m_str(std::move(str)) {}

    operator const char*() const { return m_str.c_str(); }
    const char* GetString() const { return m_str.c_str(); }
    const std::string& str() const { return m_str; }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const { return m_str.at(static_cast<std::size_t>(nIndex)); }

    // printf-style formatting; replaces the content.
    void Format(const char* pszFormat, ...);
    void FormatV(const char* pszFormat, va_list args);

    // Removes trailing white space.
    CString& TrimRight();
    // Removes trailing characters found in pszTargets. The text is walked
    // character by character in GBK, whatever the system's code page, so the
    // second byte of a double-byte character is never mistaken for one of
    // the targets (in GBK many trail bytes are 0x5C, the backslash).
    CString& TrimRight(const char* pszTargets);
    CString& TrimRight(char chTarget);
    CString& TrimLeft();

    CString& operator=(const char* psz) { m_str = psz != nullptr ? psz : ""; return *this; }
    CString& operator+=(const CString& s) { m_str += s.m_str; return *this; }
    CString& operator+=(const char* psz) { if (psz != nullptr) m_str += psz; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }

    friend CString operator+(CString a, const CString& b) { a += b; return a; }
    friend CString operator+(CString a, const char* b) { a += b; return a; }
    friend CString operator+(const char* a, const CString& b) { return CString(a) += b; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.m_str == (b != nullptr ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

private:
    std::string m_str;
};
