#pragma once

#include "framework/CWnd.h"

#include <commctrl.h>

// The common controls tooltip (TOOLTIPS_CLASS). A tool is a window: its
// parent owns the tool, its handle is the tool's id (TTF_IDISHWND).
class CToolTipCtrl : public CWnd {
public:
    // The control is always a popup owned by pParentWnd's top-level window:
    // WS_POPUP is added to dwStyle.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    BOOL AddTool(CWnd* pWnd, const char* lpszText);
    void UpdateTipText(const char* lpszText, CWnd* pWnd);
};
