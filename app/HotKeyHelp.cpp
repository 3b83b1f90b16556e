#include "app/HotKeyHelp.h"

#include "framework/GbkText.h"

const char* const kHotKeyHelpCaption = "快捷键";
const char* const kHotKeyHelpText =
    "←  向左移动   →  向右移动\r\n"
    "↑  向上移动   ↓  向下移动\r\n"
    "\r\n"
    "按下Shift +方向键 改变窗口大小\r\n"
    "Ctrl +C --- 截图";

// The texts are GBK; the box gets them decoded from 936, so they read the
// same whatever the system's code page.
void ShowHotKeyHelp(HINSTANCE hInstance, HWND hOwner, UINT nIconId, const std::string& caption, const std::string& text)
{
    const std::wstring wideText = WideFromGbk(text.c_str(), static_cast<int>(text.size()));
    const std::wstring wideCaption = WideFromGbk(caption.c_str(), static_cast<int>(caption.size()));
    MSGBOXPARAMSW params{};
    params.cbSize = sizeof(params);
    params.hwndOwner = hOwner;
    params.hInstance = hInstance;
    params.lpszText = wideText.c_str();
    params.lpszCaption = wideCaption.c_str();
    params.dwStyle = MB_USERICON | MB_OK;
    params.lpszIcon = MAKEINTRESOURCEW(nIconId);
    MessageBoxIndirectW(&params);
}
