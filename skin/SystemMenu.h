#pragma once

#include "skin/SkinSlices.h"

#include <windows.h>

#include <array>

// The skinned dialog's system menu: which items are available in which
// window state, where the menu opens, and when Alt+Space may open it.
namespace skin {

enum class WindowState { Normal, Maximised, Minimised };

// A maximised window counts as maximised even if it also reports iconic.
WindowState WindowStateOf(bool zoomed, bool iconic);

struct MenuItemState {
    UINT command;
    UINT flags; // MF_ENABLED, or MF_GRAYED | MF_DISABLED
};

// Size, Move, Restore, Minimize and Maximize, in that order; Close is left
// as the platform has it.
std::array<MenuItemState, 5> SystemMenuItemStates(WindowState state, bool resizable);

// The menu opens at the inner top-left corner, just below the title bar.
POINT SystemMenuPoint(const RECT& windowRect, const SkinSlices& s);

// Alt+Space arriving right after the menu closed must not reopen it.
inline constexpr DWORD kMenuReopenGuardMs = 300;
bool SystemMenuMayOpen(DWORD now, DWORD lastMenuTime);

// Any keyboard message carrying VK_SPACE while Alt is down.
bool IsSystemMenuKey(UINT message, WPARAM wParam, bool altDown);

} // namespace skin
