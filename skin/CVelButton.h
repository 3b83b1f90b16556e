#pragma once

#include "framework/CBitmap.h"
#include "framework/CString.h"
#include "skin/CVelHoverButton.h"

// An owner-drawn push button painted from a strip of three frames (normal,
// hover, pressed) that belongs to its owner. It tracks hover with the mouse
// capture instead of the platform's click logic, reports a completed click
// to its parent as WM_COMMAND (lParam 0) and shows a tooltip.
class CVelButton : public CVelHoverButton {
public:
    // The tip is also the button's window text, which is what a screen
    // reader names it; the button never draws that text.
    //
    // Stores the tip; creates the tooltip on first use. An existing tip shows
    // the new text from the pointer's next entry.
    void SetTipText(const CString& text);
    // Stores the tip and shows it at once.
    void ChangeTipText(const CString& text);

    // Null until the first SetTipText.
    CVelToolTipCtrl* GetToolTip() { return m_bTipMade ? &m_toolTip : nullptr; }
    const CString& GetTipText() const { return m_strTip; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // A completed click sends WM_COMMAND to the parent.
    bool m_bNotify = true;
    // Where the normal frame starts in the strip.
    int m_nImageX = 0;
    // Where a background area starts in the strip; used only when > 0.
    int m_nBackX = 0;
    // The strip; owned by the owner of the button.
    CBitmap* m_pImage = nullptr;

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    // Hover and press exactly as the base keeps them.
    using CVelHoverButton::OnMouseMove;
    using CVelHoverButton::OnLButtonDown;
    void OnLButtonUp(UINT nFlags, POINT point);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);

    // State changes invalidate without erasing.
    void ShowState() override;

private:
    void PaintButton(CDC* pDC);
    void TakeTipAsName();

    // The tooltip is made once, on the first SetTipText, even if its window
    // could not be created then.
    bool m_bTipMade = false;
};
