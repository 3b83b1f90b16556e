#pragma once

#include <windows.h>

#include "framework/CString.h"

// A message box with one OK button and the program's icon (icon resource
// nIconId of hInstance) instead of a system icon. Returns when it is closed.
void ShowHotKeyHelp(HINSTANCE hInstance, HWND hOwner, UINT nIconId, const CString& caption, const CString& text);
