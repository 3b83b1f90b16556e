#pragma once

#include "framework/CBitmap.h"
#include "framework/CButton.h"
#include "framework/CString.h"

#include <memory>

class CVelToolTipCtrl;

// An owner-drawn push button painted from a strip of three frames (normal,
// hover, pressed) that belongs to its owner. It tracks hover with the mouse
// capture instead of the platform's click logic, reports a completed click
// to its parent as WM_COMMAND (lParam 0) and shows a tooltip.
class CVelButton : public CButton {
public:
    CVelButton();
    ~CVelButton() override;

    // Stores the tip; creates the tooltip on first use. An existing tip shows
    // the new text from the pointer's next entry.
    void SetTipText(const CString& text);
    // Stores the tip and shows it at once.
    void ChangeTipText(const CString& text);

    // The frame to show: 0 normal, 1 hover, 2 pressed; a press without hover
    // shows the normal frame.
    static int FrameIndex(bool bHover, bool bPressed);

    bool IsHover() const { return m_bHover; }
    bool IsPressed() const { return m_bPressed; }
    CVelToolTipCtrl* GetToolTip() const { return m_pToolTip.get(); }
    const CString& GetTipText() const { return m_strTip; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
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

    void PreSubclassWindow() override;

    void OnMouseMove(UINT nFlags, POINT point);
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnLButtonUp(UINT nFlags, POINT point);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);

private:
    void PaintButton(CDC* pDC);
    void UpdateToolTip(const CString& text);
    bool PointerStillOver(POINT point, const RECT& rc);
    void NotifyClick();

    bool m_bHover = false;
    bool m_bPressed = false;
    CString m_strTip;
    std::unique_ptr<CVelToolTipCtrl> m_pToolTip;
};
