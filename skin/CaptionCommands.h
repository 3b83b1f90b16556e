#pragma once

#include <windows.h>

// Commands of the skinned dialog's caption buttons and system menu, and what
// the dialog's OnCommand does with each.
namespace skin {

inline constexpr UINT ID_CAPTION_CLOSE = 7001;
inline constexpr UINT ID_CAPTION_MAXIMIZE = 7002;
inline constexpr UINT ID_CAPTION_MINIMIZE = 7003;
inline constexpr UINT ID_SYSTEM_MENU = 7004;

enum class CaptionCommandAction {
    SendClose,         // WM_CLOSE, handled before OnCommand returns
    MaximiseOrRestore, // SW_RESTORE when maximised, else SW_MAXIMIZE
    Minimise,          // SW_MINIMIZE
    ShowSystemMenu,
    SendSysCommand, // WM_SYSCOMMAND with the identifier, synchronously
    PostSysCommand, // WM_SYSCOMMAND posted: Close from the system menu
    NotOurs,        // the base class's OnCommand
};

// `id` is the low word of WM_COMMAND's wParam.
CaptionCommandAction ActionForCommand(UINT id);

// The show command the maximise button sends in the current state.
int MaximiseButtonShowCommand(bool maximised);

} // namespace skin
