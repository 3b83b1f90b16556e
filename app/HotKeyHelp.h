#pragma once

#include <windows.h>

#include <string>

// The hot-key help box's caption and text.
extern const char* const kHotKeyHelpCaption;
extern const char* const kHotKeyHelpText;

// A message box with one OK button and the program's icon (icon resource
// nIconId of hInstance) instead of a system icon. Returns when it is closed.
void ShowHotKeyHelp(HINSTANCE hInstance, HWND hOwner, UINT nIconId, const std::string& caption,
                    const std::string& text);
