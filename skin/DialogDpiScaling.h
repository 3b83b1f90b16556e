#pragma once

#include <windows.h>

// The program declares per-monitor DPI awareness so that what it captures is
// device pixels. With it, Windows 10 1703 and later let the dialog manager
// rescale a dialog, its controls and its font when the window moves to a
// monitor of another scale; the skinned dialogs keep their size in device
// pixels instead. The platform function that turns this off is looked up at
// run time: older systems (and Wine 8) do not have it.
namespace skin {

using SetDialogDpiChangeBehaviorFn = decltype(&::SetDialogDpiChangeBehavior);
using DialogDpiBehaviorLookup = SetDialogDpiChangeBehaviorFn (*)();

// Puts another lookup in place (tests do) and returns the one it replaced.
DialogDpiBehaviorLookup ReplaceDialogDpiBehaviorLookup(DialogDpiBehaviorLookup lookup);

// Turns every DPI change behaviour of the dialog manager off for hDlg, where
// the platform has the function; elsewhere nothing.
void DisableDialogDpiScaling(HWND hDlg);

} // namespace skin
