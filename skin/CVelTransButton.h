#pragma once

#include "framework/CBitmap.h"
#include "framework/CFont.h"
#include "framework/CString.h"
#include "skin/CVelHoverButton.h"

// An owner-drawn button painted whole, off screen, in one of three looks:
// a frame of a three-image skin strip (bitmap look), flat text that changes
// colour on hover (text look), or an icon and text that ignore the mouse
// (label look). It tracks hover and press with the mouse capture, reports a
// click to its parent as WM_COMMAND (lParam 0) and shows a tooltip.
class CVelTransButton : public CVelHoverButton {
public:
    enum class Look { Label, Text, Bitmap };

    CVelTransButton();
    ~CVelTransButton() override;

    CVelTransButton(const CVelTransButton&) = delete;
    CVelTransButton& operator=(const CVelTransButton&) = delete;

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
    // What a screen reader names the button: its window text, which the
    // bitmap look then leaves undrawn, its picture saying what it does.
    void SetAccessibleName(const CString& name);

    Look GetLook() const { return m_look; }
    CVelToolTipCtrl& GetToolTip() { return m_toolTip; }
    const CString& GetTooltipText() const { return m_strTip; }

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

    // State changes repaint at once.
    void ShowState() override;
    // Creates the tooltip window first if there is none yet.
    void UpdateToolTip(const CString& text) override;

private:
    void TakeIcon(HICON hIcon);
    void PaintBitmapLook(CDC& dc, const RECT& rc);
    void PaintTextLook(CDC& dc, const RECT& rc);
    void PaintLabelLook(CDC& dc, RECT rc);
    void DrawIconAt(CDC& dc, int x, int y);
    SIZE IconSize() const;
    // The font to select: the owner's, or the stock GUI font set when the
    // window was attached (which is never deleted).
    HGDIOBJ TextFont() const;
    // The cursor is over this button's client area, as the screen says now.
    bool CursorOverButton();
    void SetCursorAfterRelease();

    POINT m_ptTextInset{2, 3};
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crHoverText = RGB(0, 0, 255);
    COLORREF m_crBack = RGB(234, 233, 234);
    // Not owned: the owner's font, set by SetTextFont.
    CFont* m_pFont = nullptr;
    // Not owned either: the stock DEFAULT_GUI_FONT, used while no font of
    // the owner is set. A stock object needs no deleting.
    HFONT m_hStockFont = nullptr;
    SIZE m_sizeIcon{16, 16}; // at 96 DPI
    HICON m_hIcon = nullptr;
    Look m_look = Look::Text;
    CBitmap* m_pSkin = nullptr;
    BOOL m_bHandCursor = TRUE;
    // The window text is the name alone (SetAccessibleName), not drawn.
    bool m_bTextIsName = false;
};
