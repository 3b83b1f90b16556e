#include "tests/unit/soak/SoakFrame.h"

#include "res/resource.h"
#include "skin/CVelTransButton.h"
#include "tests/unit/MessagePump.h"

#include <commctrl.h>

namespace soak {

static_assert(kPanelButtons[0] == IDC_BTN_CLOSE && kPanelButtons[1] == IDC_BTN_CAPTURE &&
                  kPanelButtons[2] == IDC_BTN_SETSIZE && kPanelButtons[3] == IDC_BTN_HOTKEYHELP,
              "the panel's control identifiers");

bool SoakFrame::Open(POINT at, SIZE viewport)
{
    InitCommonControls();
    if (CreateFromTemplate(nullptr) == nullptr)
        return false;
    // The bands around the viewport at the scale the frame opened at.
    const SIZE bands{ClientSize().cx - ViewportSize().cx, ClientSize().cy - ViewportSize().cy};
    SetWindowPos(HWND{}, at.x, at.y, viewport.cx + bands.cx, viewport.cy + bands.cy, SWP_NOZORDER);
    ::UpdateWindow(m_hWnd);
    PumpPending();
    return IsWindowVisible() != FALSE;
}

SIZE SoakFrame::ViewportSize() const
{
    return SIZE{m_rcViewport.right - m_rcViewport.left, m_rcViewport.bottom - m_rcViewport.top};
}

RECT SoakFrame::ViewportOnScreen() const
{
    RECT rc = m_rcViewport;
    ::MapWindowPoints(m_hWnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

SIZE SoakFrame::ClientSize() const
{
    RECT rc;
    GetClientRect(&rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

CVelTransButton* SoakFrame::Button(UINT id) const
{
    return dynamic_cast<CVelTransButton*>(CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, static_cast<int>(id))));
}

int SoakFrame::Draws(UINT id) const
{
    for (size_t i = 0; i < kPanelButtons.size(); ++i)
        if (kPanelButtons[i] == id)
            return m_draws[i];
    return 0;
}

LRESULT SoakFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND)
        ++m_erasures;
    if (message == WM_DRAWITEM) {
        for (size_t i = 0; i < kPanelButtons.size(); ++i)
            if (kPanelButtons[i] == wParam)
                ++m_draws[i];
    }
    return CCaptureFrameDlg::WindowProc(message, wParam, lParam);
}

} // namespace soak
