#include "skin/CVelTransButton.h"

#include "framework/CDC.h"
#include "framework/ScopedSelectObject.h"
#include "gfx/BitmapTransfer.h"

namespace {

// The height the text look centres on: that of the texts it shows.
constexpr int kTextHeight = 12;
// Room kept free at the right of the bitmap look's text.
constexpr int kBitmapTextRightMargin = 12;
// Gap between the label's icon and its text.
constexpr int kLabelIconGap = 3;

void SetSystemCursor(const char* id) { ::SetCursor(::LoadCursorA(nullptr, id)); }

} // namespace

CVelTransButton::CVelTransButton() = default;

// The icon was handed over to the button; the skin and the font stay with
// the owner. The tooltip member takes its window with it.
CVelTransButton::~CVelTransButton()
{
    if (m_hIcon != nullptr)
        DestroyIcon(m_hIcon);
}

const MessageMap* CVelTransButton::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        On::MouseMove<&CVelTransButton::OnMouseMove>(),
        On::Message<WM_MOUSELEAVE, &CVelTransButton::OnMouseLeave>(),
        On::LButtonDown<&CVelTransButton::OnLButtonDown>(),
        On::LButtonUp<&CVelTransButton::OnLButtonUp>(),
        On::LButtonDblClk<&CVelTransButton::OnLButtonDblClk>(),
        On::SetCursor<&CVelTransButton::OnSetCursor>(),
        On::EraseBkgnd<&CVelTransButton::OnEraseBkgnd>(),
        On::Size<&CVelTransButton::OnSize>(),
        On::NcHitTest<&CVelTransButton::OnNcHitTest>(),
        On::NcPaint<&CVelTransButton::OnNcPaint>(),
    };
    static const MessageMap map{CVelHoverButton::GetThisMessageMap(), entries};
    return &map;
}

void CVelTransButton::PreSubclassWindow()
{
    m_hStockFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    CVelHoverButton::PreSubclassWindow();
}

// ---- configuration ------------------------------------------------------

void CVelTransButton::SetTextFont(CFont* pFont)
{
    m_pFont = pFont;
    m_hStockFont = nullptr;
}

void CVelTransButton::SetTextColors(COLORREF crNormal, COLORREF crHover)
{
    m_crText = crNormal;
    m_crHoverText = crHover;
}

void CVelTransButton::SetBackColor(COLORREF crBack) { m_crBack = crBack; }

void CVelTransButton::SetLabelStyle(HICON hIcon)
{
    m_look = Look::Label;
    TakeIcon(hIcon);
}

// The button owns its icon, so one it is given in place of another
// destroys the other rather than leaking it.
void CVelTransButton::TakeIcon(HICON hIcon)
{
    if (m_hIcon != nullptr && m_hIcon != hIcon)
        DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
}

void CVelTransButton::SetTextStyle() { m_look = Look::Text; }

void CVelTransButton::SetBitmapStyle(CBitmap* pSkin, HICON hIcon, BOOL bHandCursor)
{
    m_pSkin = pSkin;
    TakeIcon(hIcon);
    m_bHandCursor = bHandCursor;
    m_look = Look::Bitmap;
}

void CVelTransButton::SetTooltipText(const CString& text)
{
    m_strTip = text;
    UpdateToolTip(m_strTip);
}

void CVelTransButton::SetAccessibleName(const CString& name)
{
    m_bTextIsName = true;
    SetWindowText(name);
}

// ---- tooltip ----------------------------------------------------------------

void CVelTransButton::UpdateToolTip(const CString& text)
{
    if (m_toolTip.GetSafeHwnd() == nullptr)
        CreateToolTip(text);
    else
        CVelHoverButton::UpdateToolTip(text);
}

// ---- painting -----------------------------------------------------------------

void CVelTransButton::ShowState() { RedrawNow(); }

HGDIOBJ CVelTransButton::TextFont() const { return m_pFont != nullptr ? m_pFont->GetSafeHandle() : m_hStockFont; }

// The whole button is composed off screen and copied in one transfer, so it
// never flickers. The request's rectangle and state are not used: the
// button's own hover and press decide what it shows.
void CVelTransButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    RECT rc;
    GetClientRect(&rc);
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;

    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap canvas;
    canvas.CreateCompatibleBitmap(&dc, w, h);
    {
        ScopedSelectObject selectCanvas(memDC, canvas);
        switch (m_look) {
        case Look::Bitmap:
            PaintBitmapLook(memDC, rc);
            break;
        case Look::Text:
            PaintTextLook(memDC, rc);
            break;
        case Look::Label:
            PaintLabelLook(memDC, rc);
            break;
        }
        dc.BitBlt(rc.left, rc.top, w, h, &memDC, 0, 0, SRCCOPY);
    }
}

void CVelTransButton::DrawIconAt(CDC& dc, int x, int y)
{
    const SIZE icon = IconSize();
    DrawIconEx(dc.GetSafeHdc(), x, y, m_hIcon, icon.cx, icon.cy, 0, nullptr, DI_NORMAL);
}

SIZE CVelTransButton::IconSize() const { return SIZE{m_scale.Px(m_sizeIcon.cx), m_scale.Px(m_sizeIcon.cy)}; }

// One frame of the skin strip, magenta see-through, then the centred icon
// and the text at its inset, unless the text is only the button's name.
void CVelTransButton::PaintBitmapLook(CDC& dc, const RECT& rc)
{
    dc.FillSolidRect(&rc, m_crBack);
    const int w = rc.right - rc.left;
    if (m_pSkin != nullptr && m_pSkin->GetSafeHandle() != nullptr) {
        const int frame = FrameIndex(m_bHover, m_bPressed);
        DrawTransparentBitmap(&dc, m_pSkin, frame * w, 0, rc.left, rc.top, rc.right, rc.bottom, kKeyColour);
    }
    if (m_hIcon != nullptr) {
        const SIZE icon = IconSize();
        DrawIconAt(dc, (rc.right - icon.cx - rc.left) / 2, (rc.bottom - icon.cy - rc.top) / 2);
    }

    if (m_bTextIsName)
        return;
    CString text;
    GetWindowText(text);
    if (text.IsEmpty())
        return;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crText);
    ScopedSelectObject selectFont(dc, TextFont());
    RECT rcText{rc.left + m_scale.Px(m_ptTextInset.x),
                rc.top + m_scale.Px(m_ptTextInset.y),
                rc.right - m_scale.Px(kBitmapTextRightMargin),
                rc.bottom};
    dc.DrawText(text, -1, &rcText, DT_SINGLELINE | DT_END_ELLIPSIS);
}

// Flat text: the hover colour while hovered or pressed, and pushed one pixel
// right and down while pressed under the pointer.
void CVelTransButton::PaintTextLook(CDC& dc, const RECT& rc)
{
    CString text;
    GetWindowText(text);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_bPressed || m_bHover ? m_crHoverText : m_crText);
    ScopedSelectObject selectFont(dc, TextFont());
    dc.FillSolidRect(&rc, m_crBack);

    const int shift = m_bPressed && m_bHover ? m_scale.Px(1) : 0;
    RECT rcText = rc;
    rcText.left = rc.left + shift;
    rcText.top = rc.top + (rc.bottom - rc.top - m_scale.Px(kTextHeight)) / 2 + shift;
    dc.DrawText(text, -1, &rcText, DT_SINGLELINE);
}

// Icon at the left edge, vertically centred but never above the top edge,
// then the text centred vertically in what is left.
void CVelTransButton::PaintLabelLook(CDC& dc, RECT rc)
{
    dc.FillSolidRect(&rc, m_crBack);
    CString text;
    GetWindowText(text);

    const SIZE icon = IconSize();
    int y = (rc.bottom - icon.cy - rc.top) / 2;
    if (y < 0)
        y = 0;
    if (m_hIcon != nullptr) {
        DrawIconAt(dc, rc.left, rc.top + y);
        rc.left += icon.cx + m_scale.Px(kLabelIconGap);
    }
    if (text.IsEmpty())
        return;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crText);
    ScopedSelectObject selectFont(dc, TextFont());
    dc.DrawText(text, -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

// The background is painted by DrawItem alone; erasing would flicker.
BOOL CVelTransButton::OnEraseBkgnd(CDC*)
{
    InvalidateRect(nullptr, FALSE);
    return TRUE;
}

void CVelTransButton::OnSize(UINT, int, int)
{
    if (IsWindowVisible())
        RedrawNow();
}

// The button has no frame of its own to paint.
void CVelTransButton::OnNcPaint() {}

// ---- mouse --------------------------------------------------------------------

// A label lets the mouse through to the window beneath it.
LRESULT CVelTransButton::OnNcHitTest(POINT point)
{
    if (m_look == Look::Label)
        return HTTRANSPARENT;
    return CButton::OnNcHitTest(point);
}

BOOL CVelTransButton::OnSetCursor(CWnd*, UINT, UINT)
{
    const bool hand = m_bHandCursor && m_look != Look::Label;
    SetSystemCursor(hand ? IDC_HAND : IDC_ARROW);
    return TRUE;
}

// A label ignores the mouse.
void CVelTransButton::OnMouseMove(UINT nFlags, POINT point)
{
    if (m_look != Look::Label)
        CVelHoverButton::OnMouseMove(nFlags, point);
}

bool CVelTransButton::CursorOverButton()
{
    POINT cursor;
    GetCursorPos(&cursor);
    CWnd* under = WindowFromPoint(cursor);
    ScreenToClient(&cursor);
    RECT rc;
    GetClientRect(&rc);
    return PtInRect(&rc, cursor) && under == this;
}

// The focus comes with a press in every look; the capture is left as it is.
void CVelTransButton::OnLButtonDown(UINT nFlags, POINT point)
{
    if (GetFocus() != this)
        SetFocus();
    if (m_look != Look::Label)
        CVelHoverButton::OnLButtonDown(nFlags, point);
}

// The parent has handled the click before the button repaints.
void CVelTransButton::OnLButtonUp(UINT, POINT)
{
    if (m_look == Look::Label)
        return;
    if (EndPress()) {
        NotifyClick();
        // The command may have destroyed the window (a closing dialog).
        if (m_hWnd == nullptr)
            return;
        m_bHover = CursorOverButton();
        ShowState();
    }
    SetCursorAfterRelease();
}

void CVelTransButton::SetCursorAfterRelease()
{
    if (!CursorOverButton()) {
        SetSystemCursor(IDC_ARROW);
        return;
    }
    if (m_bHandCursor && m_look == Look::Bitmap)
        SetSystemCursor(IDC_HAND);
}

// The second click of a double click is one more press.
void CVelTransButton::OnLButtonDblClk(UINT, POINT) { SendMessage(WM_LBUTTONDOWN, 0, 0); }
