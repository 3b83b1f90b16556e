#include "skin/CVelToolTipCtrl.h"

#include "framework/CPaintDC.h"
#include "framework/CWindowDC.h"
#include "framework/ScopedSelectObject.h"
#include "gfx/InterfaceFont.h"

const MessageMap* CVelToolTipCtrl::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        On::Paint<&CVelToolTipCtrl::OnPaint>(),
        On::EraseBkgnd<&CVelToolTipCtrl::OnEraseBkgnd>(),
        On::NcPaint<&CVelToolTipCtrl::OnNcPaint>(),
        On::WindowPosChanging<&CVelToolTipCtrl::OnWindowPosChanging>(),
        On::Message<WM_CREATE, &CVelToolTipCtrl::OnCreate>(),
    };
    static const MessageMap map{CToolTipCtrl::GetThisMessageMap(), entries};
    return &map;
}

void CVelToolTipCtrl::ApplySizeRule(WINDOWPOS* pPos) const
{
    if (pPos->flags & SWP_NOSIZE)
        return;
    pPos->cy = m_scale.Px(kTipHeight);
    pPos->cx += m_scale.Px(kExtraWidth);
}

void CVelToolTipCtrl::SetScale(const gfx::DisplayScale& scale)
{
    m_scale = scale;
    GiveDrawingFont();
}

// After the control's own creation, which sets up its default font.
LRESULT CVelToolTipCtrl::OnCreate(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    if (result != -1)
        GiveDrawingFont();
    return result;
}

void CVelToolTipCtrl::GiveDrawingFont()
{
    if (GetSafeHwnd() == nullptr || (m_scale.IsNatural() && !m_bFontGiven))
        return;
    const HFONT font = GetInterfaceFont(m_scale)->GetSafeHandle();
    if (font == nullptr)
        return;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    m_bFontGiven = true;
}

void CVelToolTipCtrl::OnPaint()
{
    CPaintDC dc(this);
    DrawTip(&dc);
}

BOOL CVelToolTipCtrl::OnEraseBkgnd(CDC* pDC)
{
    DrawTip(pDC);
    return TRUE;
}

// Only the one-pixel frame: the platform's own border is never drawn.
void CVelToolTipCtrl::OnNcPaint()
{
    CWindowDC dc(this);
    RECT rc;
    GetWindowRect(&rc);
    OffsetRect(&rc, -rc.left, -rc.top);
    dc.Draw3dRect(&rc, kBorderColour, kBorderColour);
}

void CVelToolTipCtrl::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    ApplySizeRule(lpwndpos);
    CToolTipCtrl::OnWindowPosChanging(lpwndpos);
}

// Text colour is left as the DC's default, black.
void CVelToolTipCtrl::DrawTip(CDC* pDC)
{
    CString text;
    GetWindowText(text);
    pDC->SetBkMode(TRANSPARENT);
    ScopedSelectObject selectFont(*pDC, *GetInterfaceFont(m_scale));

    RECT rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, kBodyColour);
    RECT band = rc;
    band.bottom = band.top + m_scale.Px(kTopBandHeight);
    pDC->FillSolidRect(&band, kTopBandColour);

    pDC->DrawText(text, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
