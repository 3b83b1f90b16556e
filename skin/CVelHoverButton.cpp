#include "skin/CVelHoverButton.h"

namespace {

constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
// Created hidden, for two reasons seen under Wine: a tooltip created visible
// shows as an empty 4 x 20 box in the screen's top-left corner until its
// first tip, and one made visible is also made the active window, which
// would take the keyboard from the dialog the moment the pointer first
// reaches a button whose tip is made on that hover. The control shows
// itself, without activating, when the tip is due.
constexpr DWORD kTipStyle = WS_CHILD | TTS_ALWAYSTIP;
constexpr int kTipInitialDelayMs = 100;

} // namespace

int CVelHoverButton::FrameIndex(bool bHover, bool bPressed)
{
    if (bHover && bPressed)
        return 2;
    return bHover ? 1 : 0;
}

void CVelHoverButton::SetScale(const gfx::DisplayScale& scale)
{
    m_scale = scale;
    m_toolTip.SetScale(scale);
}

void CVelHoverButton::PreSubclassWindow()
{
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

BOOL CVelHoverButton::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
    return CButton::PreTranslateMessage(pMsg);
}

void CVelHoverButton::UpdateToolTip(const CString& text)
{
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.UpdateTipText(text, this);
}

void CVelHoverButton::CreateToolTip(const CString& text)
{
    if (!m_toolTip.Create(this, kTipStyle))
        return;
    m_toolTip.SendMessage(TTM_SETDELAYTIME, TTDT_INITIAL, kTipInitialDelayMs);
    m_toolTip.AddTool(this, text);
}

void CVelHoverButton::OnMouseMove(UINT, POINT point)
{
    RECT rc;
    GetClientRect(&rc);
    if (PtInRect(&rc, point) && GetCapture() != this) {
        SetCapture();
        UpdateToolTip(m_strTip);
    }
    if (!m_bHover) {
        m_bHover = true;
        TrackLeaving();
        ShowState();
    }
    if (PointerStillOver(point, rc))
        return;

    m_bPressed = false;
    EndHover();
}

LRESULT CVelHoverButton::OnMouseLeave(WPARAM, LPARAM)
{
    if (m_bHover && !m_bPressed)
        EndHover();
    return 0;
}

void CVelHoverButton::EndHover()
{
    m_bHover = false;
    ShowState();
    if (GetCapture() == this)
        ReleaseCapture();
    // An empty tip keeps the tooltip from showing while the pointer is away.
    UpdateToolTip(CString());
}

// WM_MOUSELEAVE comes once, the first time the pointer is off the button.
void CVelHoverButton::TrackLeaving()
{
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = m_hWnd;
    TrackMouseEvent(&track);
}

// Over the button while the window under the pointer is this button and the
// pointer is inside it, or the capture is not ours to judge by.
bool CVelHoverButton::PointerStillOver(POINT point, const RECT& rc)
{
    POINT screen = point;
    ClientToScreen(&screen);
    return WindowFromPoint(screen) == this && (PtInRect(&rc, point) || GetCapture() != this);
}

void CVelHoverButton::OnLButtonDown(UINT, POINT)
{
    if (m_bPressed)
        return;
    m_bPressed = true;
    ShowState();
}

bool CVelHoverButton::EndPress()
{
    if (!m_bPressed)
        return false;
    m_bPressed = false;
    m_bHover = false;
    return true;
}

void CVelHoverButton::NotifyClick()
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), 0);
}

void CVelHoverButton::RedrawNow() { RedrawWindow(nullptr, nullptr, kRedrawNow); }
