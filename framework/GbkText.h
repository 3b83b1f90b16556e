#pragma once

#include <windows.h>

#include <string>

// The program's own texts are GBK bytes (code page 936) whatever the
// system's ANSI code page is. Handed to the ANSI functions they would be read
// in that code page and come out wrong wherever it is not 936 (any Western
// system, or a Chinese one with the system-wide UTF-8 option), so the
// framework converts them explicitly at its boundary and talks to the
// platform in UTF-16. length is in bytes or characters; -1: up to the
// terminating null. A null pointer gives an empty text.
inline constexpr UINT kGbkCodePage = 936;

std::wstring WideFromGbk(const char* text, int length = -1);
std::string GbkFromWide(const wchar_t* text, int length = -1);
