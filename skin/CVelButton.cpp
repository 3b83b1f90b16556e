#include "skin/CVelButton.h"

#include "framework/CDC.h"
#include "framework/ScopedSelectObject.h"
#include "gfx/BitmapTransfer.h"

const MessageMap* CVelButton::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        On::MouseMove<&CVelButton::OnMouseMove>(),
        On::Message<WM_MOUSELEAVE, &CVelButton::OnMouseLeave>(),
        On::LButtonDown<&CVelButton::OnLButtonDown>(),
        On::LButtonUp<&CVelButton::OnLButtonUp>(),
        On::EraseBkgnd<&CVelButton::OnEraseBkgnd>(),
        On::Size<&CVelButton::OnSize>(),
    };
    static const MessageMap map{CVelHoverButton::GetThisMessageMap(), entries};
    return &map;
}

void CVelButton::SetTipText(const CString& text)
{
    m_strTip = text;
    TakeTipAsName();
    if (m_bTipMade)
        return;
    m_bTipMade = true;
    CreateToolTip(m_strTip);
}

void CVelButton::ChangeTipText(const CString& text)
{
    m_strTip = text;
    TakeTipAsName();
    UpdateToolTip(m_strTip);
}

void CVelButton::TakeTipAsName()
{
    if (m_hWnd != nullptr)
        SetWindowText(m_strTip);
}

void CVelButton::ShowState() { InvalidateRect(nullptr, FALSE); }

void CVelButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    PaintButton(&dc);
}

BOOL CVelButton::OnEraseBkgnd(CDC* pDC)
{
    PaintButton(pDC);
    return TRUE;
}

void CVelButton::OnSize(UINT, int, int) { RedrawNow(); }

// Composes the button off screen and copies it with one transfer, so it
// never flickers.
void CVelButton::PaintButton(CDC* pDC)
{
    RECT rc;
    GetClientRect(&rc);
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;

    CDC memDC;
    memDC.CreateCompatibleDC(pDC);
    CBitmap canvas;
    canvas.CreateCompatibleBitmap(pDC, w, h);
    ScopedSelectObject selectCanvas(memDC, canvas);

    if (m_pImage != nullptr && m_pImage->GetSafeHandle() != nullptr) {
        if (m_nBackX > 0)
            DrawBitmap(&memDC, m_pImage, m_nBackX, 0, rc.left, rc.top, rc.right, rc.bottom);
        const int frame = FrameIndex(m_bHover, m_bPressed);
        DrawTransparentBitmap(
            &memDC, m_pImage, m_nImageX + frame * w, 0, rc.left, rc.top, rc.right, rc.bottom, kKeyColour);
    }
    pDC->BitBlt(rc.left, rc.top, w, h, &memDC, 0, 0, SRCCOPY);
}

void CVelButton::OnLButtonUp(UINT, POINT)
{
    if (!EndPress())
        return;
    ShowState();
    if (m_bNotify)
        NotifyClick();
}
