#pragma once

#include <string>

// Paint, started on a capture's file by its full path: the system folder's
// mspaint.exe; where it has none (Windows 11), the user's app execution
// alias for Paint; else the program registered for mspaint.exe under the
// shell's App Paths. Never by the bare name, with which the shell would look
// in the current folder and the program's own first, and run any
// mspaint.exe planted there.

// The full path of the Paint to start; empty when no place names an
// existing file.
std::wstring PaintProgramPath();

// Starts Paint on the file, quoted, and does not wait for it; false when
// there is no Paint or the shell reports that it could not start it.
bool OpenInPaint(const std::wstring& file);
