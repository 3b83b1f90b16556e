#include "app/HotKeyHelp.h"

#include "framework/GbkText.h"

// The texts are GBK; the box gets them decoded from 936, so they read the
// same whatever the system's code page.
void ShowHotKeyHelp(HINSTANCE hInstance, HWND hOwner, UINT nIconId, const CString& caption, const CString& text)
{
    const std::wstring wideText = WideFromGbk(text);
    const std::wstring wideCaption = WideFromGbk(caption);
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
