#pragma once

#include "framework/CWnd.h"

#include <commctrl.h>

// The common controls tooltip (TOOLTIPS_CLASS). Tools are registered by
// window: AddTool(pWnd) makes the window pWnd a tool (TTF_IDISHWND, owner
// = pWnd's parent, tool id = pWnd's handle), or with nIDTool a rectangle of
// pWnd identified by nIDTool.
class CToolTipCtrl : public CWnd {
public:
    // The control is always a popup owned by pParentWnd's top-level window:
    // WS_POPUP is added to dwStyle.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    BOOL AddTool(CWnd* pWnd, const char* lpszText, const RECT* lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(const char* lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    int GetToolCount() const;
    void SetDelayTime(DWORD dwDuration, int nTime);
    void Activate(BOOL bActivate);
    void RelayEvent(MSG* pMsg);

private:
    static TOOLINFOW MakeToolInfo(CWnd* pWnd, UINT_PTR nIDTool);
};
