#pragma once

#include <windows.h>

// What happens to an exception that escapes a message handler: the window
// procedure catches it, the message counts as handled (result 0), the
// program goes on, and the text is shown to the user in a message box owned
// by the top-level window of the handler that failed.

// Reports the exception currently being handled; call only from a catch
// block.
void ReportCurrentException(HWND hWndFailed);
