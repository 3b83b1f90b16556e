#pragma once

#include "framework/CWnd.h"

// A platform button ("BUTTON" class). An owner-drawn button (BS_OWNERDRAW)
// paints in DrawItem: the parent passes its WM_DRAWITEM back to the button.
class CButton : public CWnd {
public:
    BOOL Create(const char* lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Paints an owner-drawn button. The base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
