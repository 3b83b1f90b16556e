#pragma once

#include "framework/CToolTipCtrl.h"
#include "framework/GbkText.h"

#include <string>

// The text the tooltip holds for the window `tool`, registered as a tool by
// its handle, in GBK; empty when it has no such tool. The program never
// reads a tip back; the tests do.
inline std::string ToolTipText(const CToolTipCtrl& tip, const CWnd& tool)
{
    if (tip.m_hWnd == nullptr)
        return {};
    // The control's texts are limited to 80 characters unless set by
    // callback; a generous buffer covers that.
    wchar_t text[1024] = {};
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = ::GetParent(tool.m_hWnd);
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(tool.m_hWnd);
    ti.lpszText = text;
    ::SendMessageW(tip.m_hWnd, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&ti));
    return GbkFromWide(text);
}
