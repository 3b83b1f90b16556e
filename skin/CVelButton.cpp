#include "skin/CVelButton.h"

#include "framework/CDC.h"
#include "framework/ScopedSelectObject.h"
#include "gfx/BitmapTransfer.h"
#include "skin/CVelToolTipCtrl.h"

namespace {

constexpr COLORREF kKeyColour = RGB(255, 0, 255);
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
// Not WS_VISIBLE: a tooltip created visible shows as an empty 4 x 20 box in
// the screen's top-left corner until its first tip (seen under Wine). The
// control shows and hides itself.
constexpr DWORD kTipStyle = WS_CHILD | TTS_ALWAYSTIP;
constexpr int kTipInitialDelayMs = 100;

} // namespace

CVelButton::CVelButton() = default;

// The tooltip goes first; its window goes with it.
CVelButton::~CVelButton()
{
    m_pToolTip.reset();
}

const MessageMap* CVelButton::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        On::MouseMove<&CVelButton::OnMouseMove>(),
        On::LButtonDown<&CVelButton::OnLButtonDown>(),
        On::LButtonUp<&CVelButton::OnLButtonUp>(),
        On::EraseBkgnd<&CVelButton::OnEraseBkgnd>(),
        On::Size<&CVelButton::OnSize>(),
    };
    static const MessageMap map{CButton::GetThisMessageMap(), entries};
    return &map;
}

int CVelButton::FrameIndex(bool bHover, bool bPressed)
{
    if (bHover && bPressed)
        return 2;
    return bHover ? 1 : 0;
}

// Every paint request of the platform button arrives at DrawItem.
void CVelButton::PreSubclassWindow()
{
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

void CVelButton::SetTipText(const CString& text)
{
    m_strTip = text;
    if (m_pToolTip)
        return;
    m_pToolTip = std::make_unique<CVelToolTipCtrl>();
    if (!m_pToolTip->Create(this, kTipStyle))
        return;
    m_pToolTip->SendMessage(TTM_SETDELAYTIME, TTDT_INITIAL, kTipInitialDelayMs);
    m_pToolTip->AddTool(this, m_strTip);
}

void CVelButton::ChangeTipText(const CString& text)
{
    m_strTip = text;
    UpdateToolTip(m_strTip);
}

void CVelButton::UpdateToolTip(const CString& text)
{
    if (m_pToolTip && m_pToolTip->GetSafeHwnd() != nullptr)
        m_pToolTip->UpdateTipText(text, this);
}

BOOL CVelButton::PreTranslateMessage(MSG* pMsg)
{
    if (m_pToolTip && m_pToolTip->GetSafeHwnd() != nullptr)
        m_pToolTip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
    return CButton::PreTranslateMessage(pMsg);
}

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

void CVelButton::OnSize(UINT, int, int)
{
    RedrawWindow(nullptr, nullptr, kRedrawNow);
}

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
        DrawTransparentBitmap(&memDC, m_pImage, m_nImageX + frame * w, 0,
                              rc.left, rc.top, rc.right, rc.bottom, kKeyColour);
    }
    pDC->BitBlt(rc.left, rc.top, w, h, &memDC, 0, 0, SRCCOPY);
}

void CVelButton::OnMouseMove(UINT, POINT point)
{
    RECT rc;
    GetClientRect(&rc);
    if (PtInRect(&rc, point) && GetCapture() != this) {
        SetCapture();
        UpdateToolTip(m_strTip);
    }
    if (!m_bHover) {
        m_bHover = true;
        InvalidateRect(nullptr, FALSE);
    }
    if (PointerStillOver(point, rc))
        return;

    m_bHover = false;
    m_bPressed = false;
    InvalidateRect(nullptr, FALSE);
    ReleaseCapture();
    UpdateToolTip(CString());
}

// Over the button while the window under the pointer is this button and the
// pointer is inside it, or the capture is not ours to judge by.
bool CVelButton::PointerStillOver(POINT point, const RECT& rc)
{
    POINT screen = point;
    ClientToScreen(&screen);
    return WindowFromPoint(screen) == this && (PtInRect(&rc, point) || GetCapture() != this);
}

void CVelButton::OnLButtonDown(UINT, POINT)
{
    if (m_bPressed)
        return;
    m_bPressed = true;
    InvalidateRect(nullptr, FALSE);
}

void CVelButton::OnLButtonUp(UINT, POINT)
{
    if (!m_bPressed)
        return;
    m_bPressed = false;
    m_bHover = false;
    InvalidateRect(nullptr, FALSE);
    if (m_bNotify)
        NotifyClick();
}

// Synchronous, with lParam 0 rather than the button's handle.
void CVelButton::NotifyClick()
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), 0);
}
