#pragma once

#include "framework/CToolTipCtrl.h"
#include "gfx/DisplayScale.h"

// The platform tooltip with its own look: a warm two-tone body, a one-pixel
// navy frame, always 20 pixels high, the text centred in the interface font;
// the heights and the font grow with the scale of the button it belongs to.
// Tool management, timing and placement stay the platform's.
class CVelToolTipCtrl : public CToolTipCtrl {
public:
    static constexpr COLORREF kTopBandColour = RGB(255, 234, 193);
    static constexpr COLORREF kBodyColour = RGB(255, 229, 179);
    static constexpr COLORREF kBorderColour = RGB(0, 0, 128);
    static constexpr int kTopBandHeight = 9;
    static constexpr int kTipHeight = 20;
    static constexpr int kExtraWidth = 4;

    CVelToolTipCtrl() = default;
    ~CVelToolTipCtrl() override = default;

    CVelToolTipCtrl(const CVelToolTipCtrl&) = delete;
    CVelToolTipCtrl& operator=(const CVelToolTipCtrl&) = delete;

    // The size rule: unless SWP_NOSIZE is set, the height becomes 20 and the
    // width grows by 4 (at 96 DPI).
    void ApplySizeRule(WINDOWPOS* pPos) const;

    // The scale the tip is drawn at. The control sizes its window by its own
    // font, so above 96 DPI it is given the scaled interface font it draws
    // with, now if its window exists and otherwise when it is made; at
    // 96 DPI it keeps its own unless another scale gave it one before.
    void SetScale(const gfx::DisplayScale& scale);

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnNcPaint();
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);

private:
    void DrawTip(CDC* pDC);
    void GiveDrawingFont();

    gfx::DisplayScale m_scale;
    bool m_bFontGiven = false;
};
