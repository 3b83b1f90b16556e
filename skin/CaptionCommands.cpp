#include "skin/CaptionCommands.h"

namespace skin {

CaptionCommandAction ActionForCommand(UINT id)
{
    switch (id) {
    case ID_CAPTION_CLOSE:
        return CaptionCommandAction::SendClose;
    case ID_CAPTION_MAXIMIZE:
        return CaptionCommandAction::MaximiseOrRestore;
    case ID_CAPTION_MINIMIZE:
        return CaptionCommandAction::Minimise;
    case ID_SYSTEM_MENU:
        return CaptionCommandAction::ShowSystemMenu;
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_RESTORE:
        return CaptionCommandAction::SendSysCommand;
    case SC_CLOSE:
        return CaptionCommandAction::PostSysCommand;
    default:
        return CaptionCommandAction::NotOurs;
    }
}

int MaximiseButtonShowCommand(bool maximised) { return maximised ? SW_RESTORE : SW_MAXIMIZE; }

} // namespace skin
