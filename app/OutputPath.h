#pragma once

#include <string>

// Where a capture is written: "vantikbitmap.bmp" in the temporary folder,
// the same file every time. The path is kept in UTF-16 from the platform to
// GDI+ and the shell: in the ANSI code page a folder named in another script
// (a user name in Hebrew on a Western system) would turn into question marks.
inline constexpr const wchar_t* kOutputFileName = L"vantikbitmap.bmp";

// The output path for a temporary folder as the platform gives it: its
// trailing backslashes removed, then "\vantikbitmap.bmp" appended.
std::wstring BuildOutputPath(const wchar_t* pszTempFolder);

// The output path in the current temporary folder.
std::wstring CurrentOutputPath();

// The parameter string that hands the file to Paint: the path in double
// quotes, so that a folder with spaces names one file.
std::wstring PaintParameters(const std::wstring& path);
