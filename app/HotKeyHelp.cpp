#include "app/HotKeyHelp.h"

const char* const kHotKeyHelpCaption = "快捷键";
const char* const kHotKeyHelpText =
    "←  向左移动   →  向右移动\r\n"
    "↑  向上移动   ↓  向下移动\r\n"
    "\r\n"
    "按下Shift +方向键 改变窗口大小\r\n"
    "Ctrl +C --- 截图";

void ShowHotKeyHelp(HINSTANCE hInstance, HWND hOwner, UINT nIconId, std::string caption, std::string text)
{
    MSGBOXPARAMSA params{};
    params.cbSize = sizeof(params);
    params.hwndOwner = hOwner;
    params.hInstance = hInstance;
    params.lpszText = text.c_str();
    params.lpszCaption = caption.c_str();
    params.dwStyle = MB_USERICON | MB_OK;
    params.lpszIcon = MAKEINTRESOURCEA(nIconId);
    MessageBoxIndirectA(&params);
}
