#pragma once

#include "framework/CButton.h"
#include "framework/CString.h"
#include "gfx/DisplayScale.h"
#include "skin/CVelToolTipCtrl.h"

// What the two owner-drawn skin buttons share: hover kept with the mouse
// capture instead of the platform's click logic, the press, the click
// reported to the parent and a tooltip that is shown the button's messages.
// It handles no message itself: each button lists in its own table the
// handlers it takes from here, and decides how it repaints and when its
// tooltip window is made.
class CVelHoverButton : public CButton {
public:
    // Strip pixels of exactly this colour are see-through.
    static constexpr COLORREF kKeyColour = RGB(255, 0, 255);

    // The strip frame to show: 0 normal, 1 hover, 2 pressed; a press without
    // hover shows the normal frame.
    static int FrameIndex(bool bHover, bool bPressed);

    // The scale the button is drawn at, and its tooltip; a change shows at
    // the next paint.
    void SetScale(const gfx::DisplayScale& scale);
    const gfx::DisplayScale& GetScale() const { return m_scale; }

    bool IsHover() const { return m_bHover; }
    bool IsPressed() const { return m_bPressed; }

    // The tooltip sees every message once it has a window.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Every paint request of the platform button arrives at DrawItem.
    void PreSubclassWindow() override;

    // Entering takes the capture and puts the tip back; any move that finds
    // the pointer off the button (outside it, or over a window covering it)
    // ends the hover and a press with it, and empties the tip.
    void OnMouseMove(UINT nFlags, POINT point);
    // The pointer went straight onto another window. A window that is not
    // in the foreground keeps the capture only while the pointer is over
    // it, so the leaving move may never come: this ends the hover instead,
    // unless a press is under way, which keeps the capture.
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    // A press starts unless one is under way; capture and focus stay.
    void OnLButtonDown(UINT nFlags, POINT point);

    // Ends a press under way, hover with it; false if there was none.
    bool EndPress();
    // Synchronous, with lParam 0 rather than the button's handle.
    void NotifyClick();
    // Invalidates, erases and repaints the whole button at once.
    void RedrawNow();

    // Shows a change of hover or press.
    virtual void ShowState() = 0;
    // Brings the tooltip up to date with text; here only once its window
    // exists.
    virtual void UpdateToolTip(const CString& text);
    // The button window itself is the tool; its moves reach the tip only
    // through PreTranslateMessage.
    void CreateToolTip(const CString& text);

    gfx::DisplayScale m_scale;
    bool m_bHover = false;
    bool m_bPressed = false;
    CString m_strTip;
    // Destroyed, with its window, before the CButton part.
    CVelToolTipCtrl m_toolTip;

private:
    bool PointerStillOver(POINT point, const RECT& rc);
    void EndHover();
    void TrackLeaving();
};
