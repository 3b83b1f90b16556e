#include "skin/SystemMenu.h"

namespace skin {

namespace {

constexpr UINT kOn = MF_ENABLED;
constexpr UINT kOff = MF_GRAYED | MF_DISABLED;

constexpr UINT OnIf(bool enabled) { return enabled ? kOn : kOff; }

// WM_KEYDOWN to WM_SYSDEADCHAR. Not WM_KEYLAST: on newer headers that also
// takes in WM_UNICHAR (0x109), which is not a key message of this range.
constexpr UINT kFirstKeyMessage = 0x100;
constexpr UINT kLastKeyMessage = 0x108;

} // namespace

WindowState WindowStateOf(bool zoomed, bool iconic)
{
    if (zoomed)
        return WindowState::Maximised;
    return iconic ? WindowState::Minimised : WindowState::Normal;
}

std::array<MenuItemState, 5> SystemMenuItemStates(WindowState state, bool resizable)
{
    bool size = false, move = false, restore = false, minimise = false, maximise = false;
    switch (state) {
    case WindowState::Maximised:
        restore = minimise = true;
        break;
    case WindowState::Minimised:
        restore = true;
        maximise = resizable;
        break;
    case WindowState::Normal:
        size = resizable;
        move = minimise = true;
        maximise = resizable;
        break;
    }
    return {{{SC_SIZE, OnIf(size)},
             {SC_MOVE, OnIf(move)},
             {SC_RESTORE, OnIf(restore)},
             {SC_MINIMIZE, OnIf(minimise)},
             {SC_MAXIMIZE, OnIf(maximise)}}};
}

POINT SystemMenuPoint(const RECT& windowRect, const SkinSlices& s)
{
    return POINT{windowRect.left + s.LeftWidth(), windowRect.top + s.TitleHeight()};
}

bool SystemMenuMayOpen(DWORD now, DWORD lastMenuTime)
{
    // Unsigned difference: stays right when the tick count wraps (49.7 days).
    return static_cast<DWORD>(now - lastMenuTime) >= kMenuReopenGuardMs;
}

bool IsSystemMenuKey(UINT message, WPARAM wParam, bool altDown)
{
    return message >= kFirstKeyMessage && message <= kLastKeyMessage && wParam == VK_SPACE && altDown;
}

} // namespace skin
