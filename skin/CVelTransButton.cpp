#include "skin/CVelTransButton.h"

#include "framework/CDC.h"
#include "framework/ScopedSelectObject.h"
#include "gfx/BitmapTransfer.h"

namespace {

constexpr COLORREF kKeyColour = RGB(255, 0, 255);
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
// Created hidden: a tooltip window made visible is also made the active
// window, which would take the keyboard from the dialog the moment the
// pointer first reaches a button whose tip is made on that hover. The
// control shows itself, without activating, when the tip is due.
constexpr DWORD kTipStyle = WS_CHILD | TTS_ALWAYSTIP;
constexpr int kTipInitialDelayMs = 100;
// The height the text look centres on: that of the texts it shows.
constexpr int kTextHeight = 12;
// Room kept free at the right of the bitmap look's text.
constexpr int kBitmapTextRightMargin = 12;
// Gap between the label's icon and its text.
constexpr int kLabelIconGap = 3;

void SetSystemCursor(const char* id)
{
    ::SetCursor(::LoadCursorA(nullptr, id));
}

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
        On::LButtonDown<&CVelTransButton::OnLButtonDown>(),
        On::LButtonUp<&CVelTransButton::OnLButtonUp>(),
        On::LButtonDblClk<&CVelTransButton::OnLButtonDblClk>(),
        On::SetCursor<&CVelTransButton::OnSetCursor>(),
        On::EraseBkgnd<&CVelTransButton::OnEraseBkgnd>(),
        On::Size<&CVelTransButton::OnSize>(),
        On::NcHitTest<&CVelTransButton::OnNcHitTest>(),
        On::NcPaint<&CVelTransButton::OnNcPaint>(),
    };
    static const MessageMap map{CButton::GetThisMessageMap(), entries};
    return &map;
}

int CVelTransButton::FrameIndex(bool bHover, bool bPressed)
{
    if (bHover && bPressed)
        return 2;
    return bHover ? 1 : 0;
}

// Every paint request of the platform button arrives at DrawItem.
void CVelTransButton::PreSubclassWindow()
{
    m_hStockFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
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

void CVelTransButton::SetBackColor(COLORREF crBack)
{
    m_crBack = crBack;
}

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

void CVelTransButton::SetTextStyle()
{
    m_look = Look::Text;
}

void CVelTransButton::SetBitmapStyle(CBitmap* pSkin, HICON hIcon, BOOL bHandCursor)
{
    m_pSkin = pSkin;
    TakeIcon(hIcon);
    m_bHandCursor = bHandCursor;
    m_look = Look::Bitmap;
}

void CVelTransButton::SetTooltipText(const CString& text)
{
    m_strTooltip = text;
    UpdateToolTip(m_strTooltip);
}

// ---- tooltip ----------------------------------------------------------------

void CVelTransButton::UpdateToolTip(const CString& text)
{
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.UpdateTipText(text, this);
    else
        CreateToolTip(text);
}

// The button window itself is the tool; its moves reach the tip only
// through PreTranslateMessage.
void CVelTransButton::CreateToolTip(const CString& text)
{
    if (!m_toolTip.Create(this, kTipStyle))
        return;
    m_toolTip.SendMessage(TTM_SETDELAYTIME, TTDT_INITIAL, kTipInitialDelayMs);
    m_toolTip.AddTool(this, text);
}

BOOL CVelTransButton::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
    return CButton::PreTranslateMessage(pMsg);
}

// ---- painting -----------------------------------------------------------------

void CVelTransButton::Redraw()
{
    RedrawWindow(nullptr, nullptr, kRedrawNow);
}

HGDIOBJ CVelTransButton::TextFont() const
{
    return m_pFont != nullptr ? m_pFont->GetSafeHandle() : m_hStockFont;
}

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
    DrawIconEx(dc.GetSafeHdc(), x, y, m_hIcon, m_sizeIcon.cx, m_sizeIcon.cy, 0, nullptr, DI_NORMAL);
}

// One frame of the skin strip, magenta see-through, then the centred icon
// and the text at its inset.
void CVelTransButton::PaintBitmapLook(CDC& dc, const RECT& rc)
{
    dc.FillSolidRect(&rc, m_crBack);
    const int w = rc.right - rc.left;
    if (m_pSkin != nullptr && m_pSkin->GetSafeHandle() != nullptr) {
        const int frame = FrameIndex(m_bHover, m_bPressed);
        DrawTransparentBitmap(&dc, m_pSkin, frame * w, 0, rc.left, rc.top, rc.right, rc.bottom, kKeyColour);
    }
    if (m_hIcon != nullptr)
        DrawIconAt(dc, (rc.right - m_sizeIcon.cx - rc.left) / 2, (rc.bottom - m_sizeIcon.cy - rc.top) / 2);

    CString text;
    GetWindowText(text);
    if (text.IsEmpty())
        return;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crText);
    ScopedSelectObject selectFont(dc, TextFont());
    RECT rcText{rc.left + m_ptTextInset.x, rc.top + m_ptTextInset.y, rc.right - kBitmapTextRightMargin, rc.bottom};
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

    const int shift = m_bPressed && m_bHover ? 1 : 0;
    RECT rcText = rc;
    rcText.left = rc.left + shift;
    rcText.top = rc.top + (rc.bottom - rc.top - kTextHeight) / 2 + shift;
    dc.DrawText(text, -1, &rcText, DT_SINGLELINE);
}

// Icon at the left edge, vertically centred but never above the top edge,
// then the text centred vertically in what is left.
void CVelTransButton::PaintLabelLook(CDC& dc, RECT rc)
{
    dc.FillSolidRect(&rc, m_crBack);
    CString text;
    GetWindowText(text);

    int y = (rc.bottom - m_sizeIcon.cy - rc.top) / 2;
    if (y < 0)
        y = 0;
    if (m_hIcon != nullptr) {
        DrawIconAt(dc, rc.left, rc.top + y);
        rc.left += m_sizeIcon.cx + kLabelIconGap;
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
        Redraw();
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

// Hover is kept with the mouse capture: entering takes it, and any move that
// finds the pointer off the button (outside it, or over a window covering
// it) ends the hover and a press with it.
void CVelTransButton::OnMouseMove(UINT, POINT point)
{
    if (m_look == Look::Label)
        return;
    RECT rc;
    GetClientRect(&rc);
    if (PtInRect(&rc, point) && GetCapture() != this) {
        SetCapture();
        UpdateToolTip(m_strTooltip);
    }
    if (!m_bHover) {
        m_bHover = true;
        Redraw();
    }
    if (PointerStillOver(point, rc))
        return;

    m_bHover = false;
    m_bPressed = false;
    Redraw();
    ReleaseCapture();
    // An empty tip keeps the tooltip from showing while the pointer is away.
    UpdateToolTip(CString());
}

bool CVelTransButton::PointerStillOver(POINT point, const RECT& rc)
{
    POINT screen = point;
    ClientToScreen(&screen);
    return WindowFromPoint(screen) == this && (PtInRect(&rc, point) || GetCapture() != this);
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
void CVelTransButton::OnLButtonDown(UINT, POINT)
{
    if (GetFocus() != this)
        SetFocus();
    if (m_look == Look::Label)
        return;
    if (m_bPressed)
        return;
    m_bPressed = true;
    Redraw();
}

// The parent has handled the click before the button repaints.
void CVelTransButton::OnLButtonUp(UINT, POINT)
{
    if (m_look == Look::Label)
        return;
    if (m_bPressed) {
        m_bHover = false;
        m_bPressed = false;
        NotifyClick();
        // The command may have destroyed the window (a closing dialog).
        if (m_hWnd == nullptr)
            return;
        m_bHover = CursorOverButton();
        Redraw();
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
void CVelTransButton::OnLButtonDblClk(UINT, POINT)
{
    SendMessage(WM_LBUTTONDOWN, 0, 0);
}

// Synchronous, with lParam 0 rather than the button's handle.
void CVelTransButton::NotifyClick()
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), 0);
}
