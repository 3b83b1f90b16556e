#pragma once

#include "framework/CString.h"

// Where a capture is written: "vantikbitmap.bmp" in the temporary folder,
// the same file every time.
inline constexpr const char* kOutputFileName = "vantikbitmap.bmp";

// The output path for a temporary folder as the platform gives it: its
// trailing backslashes removed (walking the text in the ANSI code page, so a
// double-byte character ending in 0x5C stays whole), then
// "\vantikbitmap.bmp" appended.
CString BuildOutputPath(const char* pszTempFolder);

// The output path in the current temporary folder.
CString CurrentOutputPath();

// The parameter string that hands the file to Paint: the path in double
// quotes, so that a folder with spaces names one file.
CString PaintParameters(const CString& path);
