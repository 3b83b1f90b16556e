#pragma once

#include "framework/CBitmap.h"
#include "framework/CButton.h"
#include "framework/CFont.h"
#include "framework/CString.h"
#include "skin/CVelToolTipCtrl.h"

// An owner-drawn button painted whole, off screen, in one of three looks:
// a frame of a three-image skin strip (bitmap look), flat text that changes
// colour on hover (text look), or an icon and text that ignore the mouse
// (label look). It tracks hover and press with the mouse capture, reports a
// click to its parent as WM_COMMAND (lParam 0) and shows a tooltip.
class CVelTransButton : public CButton {
public:
    enum class Look { Label, Text, Bitmap };

    CVelTransButton();
    ~CVelTransButton() override;

    // Setters only store; the owner calls them right after creating the
    // window and the effect shows at the next paint.
    void SetTextFont(CFont* pFont);
    void SetTextColors(COLORREF crNormal, COLORREF crHover);
    void SetBackColor(COLORREF crBack);
    void SetLabelStyle(HICON hIcon);
    void SetTextStyle();
    void SetBitmapStyle(CBitmap* pSkin, HICON hIcon, BOOL bHandCursor);
    // Stores the tip and brings the tooltip up to date at once (creating it
    // on first use).
    void SetTooltipText(const CString& text);

    // The skin frame to show: 0 normal, 1 hover, 2 pressed; a press without
    // hover shows the normal frame.
    static int FrameIndex(bool bHover, bool bPressed);

    Look GetLook() const { return m_look; }
    bool IsHover() const { return m_bHover; }
    bool IsPressed() const { return m_bPressed; }
    CVelToolTipCtrl& GetToolTip() { return m_toolTip; }
    const CString& GetTooltipText() const { return m_strTooltip; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    void PreSubclassWindow() override;

    void OnMouseMove(UINT nFlags, POINT point);
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnLButtonUp(UINT nFlags, POINT point);
    void OnLButtonDblClk(UINT nFlags, POINT point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnNcHitTest(POINT point);
    void OnNcPaint();

private:
    void TakeIcon(HICON hIcon);
    void Redraw();
    void PaintBitmapLook(CDC& dc, const RECT& rc);
    void PaintTextLook(CDC& dc, const RECT& rc);
    void PaintLabelLook(CDC& dc, RECT rc);
    void DrawIconAt(CDC& dc, int x, int y);
    // The font to select: the owner's, or the stock GUI font set when the
    // window was attached (which is never deleted).
    HGDIOBJ TextFont() const;
    // Brings the tooltip up to date with text, creating its window first
    // if there is none yet.
    void UpdateToolTip(const CString& text);
    void CreateToolTip(const CString& text);
    bool PointerStillOver(POINT point, const RECT& rc);
    // The cursor is over this button's client area, as the screen says now.
    bool CursorOverButton();
    void NotifyClick();
    void SetCursorAfterRelease();

    bool m_bHover = false;
    bool m_bPressed = false;
    POINT m_ptTextInset{2, 3};
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crHoverText = RGB(0, 0, 255);
    COLORREF m_crBack = RGB(234, 233, 234);
    // Not owned: the owner's font, set by SetTextFont.
    CFont* m_pFont = nullptr;
    // Not owned either: the stock DEFAULT_GUI_FONT, used while no font of
    // the owner is set. A stock object needs no deleting.
    HFONT m_hStockFont = nullptr;
    SIZE m_sizeIcon{16, 16};
    HICON m_hIcon = nullptr;
    CString m_strTooltip;
    CVelToolTipCtrl m_toolTip;
    Look m_look = Look::Text;
    CBitmap* m_pSkin = nullptr;
    BOOL m_bHandCursor = TRUE;
};
