#pragma once

#include <windows.h>

// What happens to an exception that escapes a message handler: the window
// procedure catches it, the message counts as handled (result 0), the
// program goes on, and the text is reported to the user.

// Shows the text; owner is the top-level window of the handler that failed.
using ExceptionReporter = void (*)(HWND hWndOwner, const char* pszText);

// The default reporter: a message box with the text. Returns the reporter
// that was in place, so a caller can put it back.
ExceptionReporter SetExceptionReporter(ExceptionReporter pfnReporter);

// Reports the exception currently being handled; call only from a catch
// block.
void ReportCurrentException(HWND hWndFailed);
