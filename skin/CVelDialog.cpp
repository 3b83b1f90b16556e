#include "skin/CVelDialog.h"

#include "framework/CDC.h"
#include "framework/CPaintDC.h"
#include "framework/ScopedSelectObject.h"
#include "framework/UiText.h"
#include "gfx/InterfaceFont.h"
#include "res/resource.h"
#include "skin/CaptionCommands.h"
#include "skin/DialogDpiScaling.h"
#include "skin/SystemMenu.h"
#include "skin/VelFrameGeometry.h"

#include <utility>

namespace {

constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
constexpr DWORD kCaptionButtonStyle = WS_CHILD | WS_VISIBLE;

SIZE SizeOf(const RECT& rc) { return SIZE{rc.right - rc.left, rc.bottom - rc.top}; }

} // namespace

CVelDialog::CVelDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd)
{
    // Without a maximise button unless the derived dialog asks for one.
    m_btnMax.m_bNotify = false;
}

CVelDialog::~CVelDialog()
{
    if (m_hTitleIcon != nullptr)
        DestroyIcon(m_hTitleIcon);
}

const MessageMap* CVelDialog::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        On::EraseBkgnd<&CVelDialog::OnEraseBkgnd>(),
        On::Paint<&CVelDialog::OnPaint>(),
        On::Size<&CVelDialog::OnSize>(),
        On::SetCursor<&CVelDialog::OnSetCursor>(),
        On::LButtonDown<&CVelDialog::OnLButtonDown>(),
        On::Timer<&CVelDialog::OnTimer>(),
        On::LButtonUp<&CVelDialog::OnLButtonUp>(),
        On::LButtonDblClk<&CVelDialog::OnLButtonDblClk>(),
        On::GetMinMaxInfo<&CVelDialog::OnGetMinMaxInfo>(),
        On::Message<WM_CAPTURECHANGED, &CVelDialog::OnCaptureChanged>(),
        On::Message<WM_DPICHANGED, &CVelDialog::OnDpiChanged>(),
        On::Message<skin::kMsgGetDpiScaledSize, &CVelDialog::OnGetDpiScaledSize>(),
    };
    static const MessageMap map{CDialog::GetThisMessageMap(), entries};
    return &map;
}

// ---- configuration ------------------------------------------------------

void CVelDialog::SetSkinSlice(int x, int y, int cx, int cy, int index)
{
    m_slices.Set(index, skin::SkinSlice{x, y, cx, cy});
}

void CVelDialog::SetSkinBitmaps(CBitmap* pSkin, CBitmap* pCaptionStrip)
{
    m_pSkin = pSkin;
    m_pCaptionStrip = pCaptionStrip;
}

void CVelDialog::SetTitleStyle(int x, int y, COLORREF crTitle)
{
    m_ptTitle = POINT{x, y};
    m_crTitle = crTitle;
}

void CVelDialog::SetTitleText(CFont* pFont, const CString& text, CFont* pSubFont, const CString& subText, int subX,
                              int subY)
{
    m_pTitleFont = pFont;
    m_strTitle = text;
    m_pSubTitleFont = pSubFont;
    m_strSubTitle = subText;
    m_ptSubTitle = POINT{subX, subY};
}

void CVelDialog::SetTitleIcon(CImageList* pImageList, int nImage, int x, int y, HICON hIcon, int cx, int cy)
{
    m_pImageList = pImageList;
    m_nImage = nImage;
    m_ptIcon = POINT{x, y};
    // The dialog owns its title icon, so the one it replaces goes.
    if (m_hTitleIcon != nullptr && m_hTitleIcon != hIcon)
        DestroyIcon(m_hTitleIcon);
    m_hTitleIcon = hIcon;
    m_sizeIcon = SIZE{cx, cy};
}

void CVelDialog::SetScale(const gfx::DisplayScale& scale)
{
    // Fonts left at their default follow the scale; a dialog's own stay.
    if (m_pTitleFont == GetInterfaceFont(m_scale))
        m_pTitleFont = GetInterfaceFont(scale);
    if (m_pSubTitleFont == GetInterfaceFont(m_scale))
        m_pSubTitleFont = GetInterfaceFont(scale);
    m_scale = scale;
    for (CVelButton* button : {&m_btnClose, &m_btnMax, &m_btnMin})
        button->SetScale(scale);
}

void CVelDialog::SetMinTrackSize(int cx, int cy) { m_sizeMin = SIZE{cx, cy}; }

void CVelDialog::SetRegionHole(const RECT* pHole) { m_pRegionHole = pHole; }

// The strip pointer is copied into the buttons now, so the skin bitmaps
// must be set first.
void CVelDialog::SetCaptionButtons(int minWidth, int maxWidth, int closeWidth, int height, int spacing, int rightMargin,
                                   int topMargin, int maxTopExtra, int backX)
{
    m_caption = skin::CaptionButtonMetrics{
        minWidth, maxWidth, closeWidth, height, spacing, rightMargin, topMargin, maxTopExtra};
    const skin::CaptionStripOffsets offsets = skin::StripOffsets(m_caption);
    m_btnClose.m_nImageX = offsets.close;
    m_btnMax.m_nImageX = offsets.max;
    m_btnMin.m_nImageX = offsets.min;
    for (CVelButton* button : {&m_btnClose, &m_btnMax, &m_btnMin}) {
        button->m_pImage = m_pCaptionStrip;
        if (backX > 0)
            button->m_nBackX = backX;
    }
}

void CVelDialog::GetInnerRect(RECT* pRect) const
{
    RECT client;
    GetClientRect(&client);
    *pRect = skin::GetInnerRect(m_slices, client);
}

// ---- creation ---------------------------------------------------------------

// The platform caption and sizing border go before the window is laid out,
// so the dialog has no non-client area: window and client coordinates agree.
void CVelDialog::PreSubclassWindow()
{
    ModifyStyle(skin::kFrameStylesRemoved, skin::kFrameStylesAdded);
    m_pTitleFont = GetInterfaceFont();
    m_pSubTitleFont = GetInterfaceFont();
    CDialog::PreSubclassWindow();
}

BOOL CVelDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    skin::DisableDialogDpiScaling(m_hWnd);
    CreateCaptionButtons();
    return TRUE;
}

void CVelDialog::CreateCaptionButtons()
{
    RECT client;
    GetClientRect(&client);
    const bool hasMax = m_btnMax.m_bNotify;
    const skin::CaptionButtonRects rects = skin::LayoutCaptionButtons(m_caption, client, false, hasMax);

    m_btnClose.Create("", kCaptionButtonStyle, rects.close, this, skin::ID_CAPTION_CLOSE);
    m_btnClose.SetTipText(UiText(IDS_TIP_CLOSE));
    if (hasMax) {
        m_btnMax.Create("", kCaptionButtonStyle, rects.max, this, skin::ID_CAPTION_MAXIMIZE);
        m_btnMax.SetTipText(UiText(IDS_TIP_MAXIMIZE));
    } else {
        // Keeps the platform's own maximise paths (title double click) off.
        ModifyStyle(WS_MAXIMIZEBOX, 0);
    }
    m_btnMin.Create("", kCaptionButtonStyle, rects.min, this, skin::ID_CAPTION_MINIMIZE);
    m_btnMin.SetTipText(UiText(IDS_TIP_MINIMIZE));
}

// ---- painting -----------------------------------------------------------------

bool CVelDialog::HasSkin() const { return m_pSkin != nullptr && m_pSkin->GetSafeHandle() != nullptr; }

bool CVelDialog::IsShownButton(const CVelButton& button)
{
    return button.GetSafeHwnd() != nullptr && button.IsWindowVisible();
}

BOOL CVelDialog::OnEraseBkgnd(CDC* pDC)
{
    if (HasSkin()) {
        for (skin::FramePart part : skin::kFramePaintOrder)
            DrawFramePart(pDC, static_cast<int>(part));
    }
    return TRUE;
}

// All drawing happens in WM_ERASEBKGND.
void CVelDialog::OnPaint() { CPaintDC dc(this); }

// Each part is composed off screen and reaches the screen in one transfer.
void CVelDialog::DrawFramePart(CDC* pDC, int partIndex)
{
    const auto part = static_cast<skin::FramePart>(partIndex);
    RECT client;
    GetClientRect(&client);
    const RECT rcPart = skin::FramePartRect(m_slices, part, client);
    const SIZE size = SizeOf(rcPart);

    CDC memDC;
    memDC.CreateCompatibleDC(pDC);
    CBitmap canvas;
    canvas.CreateCompatibleBitmap(pDC, size.cx, size.cy);
    ScopedSelectObject selectCanvas(memDC, canvas);
    CDC skinDC;
    skinDC.CreateCompatibleDC(&memDC);
    ScopedSelectObject selectSkin(skinDC, *m_pSkin);

    for (const skin::SliceTransfer& t : skin::FramePartTransfers(m_slices, part, size)) {
        const skin::SkinSlice& src = m_slices[t.slice];
        if (t.stretch)
            memDC.StretchBlt(t.x, t.y, t.cx, t.cy, &skinDC, src.x, src.y, src.cx, src.cy, SRCCOPY);
        else
            memDC.BitBlt(t.x, t.y, t.cx, t.cy, &skinDC, src.x, src.y, SRCCOPY);
    }
    if (part == skin::FramePart::Top)
        DrawTitle(&memDC, client);

    pDC->BitBlt(rcPart.left, rcPart.top, size.cx, size.cy, &memDC, 0, 0, SRCCOPY);
}

// Drawn into the top part's bitmap, whose origin is the client origin.
void CVelDialog::DrawTitle(CDC* pDC, const RECT& client)
{
    CString text = m_strTitle;
    if (text.IsEmpty())
        GetWindowText(text);
    RECT rcText =
        skin::TitleTextRect(m_slices, client, m_ptTitle, m_caption, IsShownButton(m_btnMin), IsShownButton(m_btnMax));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_crTitle);
    {
        ScopedSelectObject selectFont(*pDC, m_pTitleFont != nullptr ? m_pTitleFont->GetSafeHandle() : nullptr);
        pDC->DrawText(text, -1, &rcText, DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    if (m_pSubTitleFont != nullptr && !m_strSubTitle.IsEmpty()) {
        RECT rcSub = skin::SubtitleRect(m_slices, client, m_ptSubTitle);
        ScopedSelectObject selectFont(*pDC, *m_pSubTitleFont);
        pDC->DrawText(m_strSubTitle, -1, &rcSub, DT_SINGLELINE);
    }
    if (m_hTitleIcon != nullptr) {
        DrawIconEx(pDC->GetSafeHdc(),
                   m_ptIcon.x,
                   m_ptIcon.y,
                   m_hTitleIcon,
                   m_sizeIcon.cx,
                   m_sizeIcon.cy,
                   0,
                   nullptr,
                   DI_NORMAL);
    } else if (m_pImageList != nullptr && m_pImageList->GetSafeHandle() != nullptr && m_nImage >= 0) {
        ImageList_Draw(
            m_pImageList->GetSafeHandle(), m_nImage, pDC->GetSafeHdc(), m_ptIcon.x, m_ptIcon.y, ILD_TRANSPARENT);
    }
}

// ---- shape and size -------------------------------------------------------------

void CVelDialog::OnSize(UINT nType, int, int)
{
    LayoutCaptionButtons(nType == SIZE_MAXIMIZED);
    if (IsIconic())
        return;
    UpdateWindowRegion();
    RedrawWindow(nullptr, nullptr, kRedrawNow);
}

// The skin's magenta corner pixels, and the hole, are cut from the window.
// The region belongs to the window once set. Setting it redraws, so that
// whatever lies behind a newly cut-out part of the hole is repainted too.
void CVelDialog::UpdateWindowRegion()
{
    RECT client;
    GetClientRect(&client);
    const SIZE size = SizeOf(client);
    HRGN rgn = CreateRectRgn(0, 0, size.cx, size.cy);
    if (HasSkin()) {
        CDC skinDC;
        skinDC.CreateCompatibleDC(nullptr);
        ScopedSelectObject selectSkin(skinDC, *m_pSkin);
        auto isKey = [&skinDC](POINT p) { return skinDC.GetPixel(p.x, p.y) == skin::kSkinKeyColour; };
        for (POINT p : skin::RegionPixelsToCut(m_pSkin->GetSize(), size, isKey, m_scale)) {
            HRGN pixel = CreateRectRgn(p.x, p.y, p.x + 1, p.y + 1);
            CombineRgn(rgn, rgn, pixel, RGN_DIFF);
            DeleteObject(pixel);
        }
    }
    // With or without a skin: a frame whose artwork failed to load still
    // shows what lies under its hole, rather than capturing itself.
    if (m_pRegionHole != nullptr && IsRectEmpty(m_pRegionHole) == FALSE) {
        HRGN hole = CreateRectRgnIndirect(m_pRegionHole);
        CombineRgn(rgn, rgn, hole, RGN_DIFF);
        DeleteObject(hole);
    }
    // Only a region the window took is the window's.
    if (SetWindowRgn(rgn, TRUE) == 0)
        DeleteObject(rgn);
}

void CVelDialog::LayoutCaptionButtons(bool bMaximised)
{
    RECT client;
    GetClientRect(&client);
    const bool hasMax = m_btnMax.GetSafeHwnd() != nullptr;
    const skin::CaptionButtonRects rects = skin::LayoutCaptionButtons(m_caption, client, bMaximised, hasMax);

    // A hidden button is only placed; it paints when it is shown.
    auto place = [](CVelButton& button, const RECT& rc) {
        button.MoveWindow(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
        if (button.IsWindowVisible())
            button.RedrawWindow(nullptr, nullptr, kRedrawNow);
    };
    if (m_btnClose.GetSafeHwnd() != nullptr)
        place(m_btnClose, rects.close);
    if (hasMax) {
        m_btnMax.m_nImageX = skin::MaxButtonImageX(m_caption, bMaximised);
        m_btnMax.m_pImage = m_pCaptionStrip;
        place(m_btnMax, rects.max);
    }
    if (m_btnMin.GetSafeHwnd() != nullptr)
        place(m_btnMin, rects.min);
    m_btnMax.ChangeTipText(UiText(bMaximised ? IDS_TIP_RESTORE : IDS_TIP_MAXIMIZE));

    if (bMaximised)
        GiveTopmostToTaskbar();
}

// A maximised dialog leaves the taskbar visible above it.
void CVelDialog::GiveTopmostToTaskbar()
{
    SetWindowPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr)) {
        ::SetWindowPos(taskbar, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ::RedrawWindow(taskbar, nullptr, nullptr, RDW_INTERNALPAINT | RDW_ERASE);
    }
}

void CVelDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    RECT workArea{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    skin::FillMinMaxInfo(*lpMMI, m_slices, m_sizeMin, workArea, m_scale);
    CDialog::OnGetMinMaxInfo(lpMMI);
}

// The platform's rectangle for the new scale would scale everything, the
// parts kept in device pixels too; the derived dialog decides what grows.
LRESULT CVelDialog::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    const gfx::DisplayScale scale = gfx::DisplayScale::ForDpi(LOWORD(wParam));
    if (scale != m_scale)
        OnScaleChanged(scale, *reinterpret_cast<const RECT*>(lParam));
    return 0;
}

void CVelDialog::OnScaleChanged(const gfx::DisplayScale&, const RECT&) {}

// The rectangle the platform then suggests with WM_DPICHANGED has the size
// given here, so that it lies where the dialog will really be.
LRESULT CVelDialog::OnGetDpiScaledSize(WPARAM wParam, LPARAM lParam)
{
    auto* const pSize = reinterpret_cast<SIZE*>(lParam);
    return SizeAtScale(gfx::DisplayScale::ForDpi(LOWORD(wParam)), pSize) ? TRUE : FALSE;
}

bool CVelDialog::SizeAtScale(const gfx::DisplayScale&, SIZE*) { return false; }

// ---- mouse ------------------------------------------------------------------------

BOOL CVelDialog::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    POINT cursor;
    GetCursorPos(&cursor);
    const bool overDialog = WindowFromPoint(cursor) == this;
    const bool zoomed = IsZoomed() != FALSE;
    int code = HTNOWHERE;
    if (overDialog && !zoomed) {
        POINT p = cursor;
        ScreenToClient(&p);
        RECT client;
        GetClientRect(&client);
        code = skin::HitTestFrame(m_slices, client, p, m_scale);
    }
    const int cursorId = skin::FrameCursorId(overDialog, zoomed, m_bResizable != FALSE, code);
    if (cursorId == 0)
        return CDialog::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(cursorId)));
    return TRUE;
}

void CVelDialog::OnLButtonDown(UINT, POINT point)
{
    m_ptPress = point;
    ClientToScreen(&m_ptPress);
    m_nResizeCode = skin::kNoResize;
    GetWindowRect(&m_rcPressWindow);

    RECT client;
    GetClientRect(&client);
    const int code = skin::HitTestFrame(m_slices, client, point, m_scale);
    switch (skin::ActionForPress(code, m_bResizable != FALSE, IsZoomed() != FALSE, IsIconic() != FALSE)) {
    case skin::PressAction::DragWindow:
        // The platform moves the window as if its caption had been pressed.
        PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, 0);
        RedrawWindow(nullptr, nullptr, kRedrawNow);
        break;
    case skin::PressAction::BeginResize:
        BeginResize(code);
        break;
    case skin::PressAction::Nothing:
        break;
    }
}

// The resize itself is polled by timer 1; the platform is told of the press
// on the border as well, as it would be by a real frame.
void CVelDialog::BeginResize(int code)
{
    SetTimer(skin::kResizeTimerId, skin::kResizeTimerMs);
    m_nResizeCode = code;
    SetCapture();
    // Wine runs its own sizing loop inside this message, also without
    // WS_THICKFRAME; the loop holds the capture and takes the button's
    // release for itself, so the dialog never sees WM_LBUTTONUP.
    const bool outerLoop = std::exchange(m_bInPlatformSizing, true);
    SendMessage(WM_NCLBUTTONDOWN, static_cast<WPARAM>(code), 0);
    m_bInPlatformSizing = outerLoop;
    // A button already up when the message returns means the resize is
    // over. Where the platform returns at once the button is still down and
    // nothing changes here.
    if (m_nResizeCode != skin::kNoResize && (GetKeyState(VK_LBUTTON) & 0x8000) == 0)
        EndResize();
}

void CVelDialog::EndResize()
{
    m_nResizeCode = skin::kNoResize;
    KillTimer(skin::kResizeTimerId);
    // Inside the platform's loop the capture is the loop's: taken from it,
    // the release it waits for would go to the window under the pointer and
    // the loop would size on until the next click.
    if (!m_bInPlatformSizing && GetCapture() == this)
        ReleaseCapture();
}

// Down when either the physical state or the state as of the last message
// says so: a pen or touch press may leave the physical state up.
bool CVelDialog::PrimaryButtonDown()
{
    const int key = skin::PrimaryButtonKey(GetSystemMetrics(SM_SWAPBUTTON) != 0);
    return ((GetAsyncKeyState(key) | GetKeyState(key)) & 0x8000) != 0;
}

void CVelDialog::OnTimer(UINT_PTR nIDEvent)
{
    switch (skin::ResizeTickAction(nIDEvent, m_bResizable != FALSE, m_nResizeCode, PrimaryButtonDown())) {
    case skin::ResizeTick::Ignore:
        return;
    case skin::ResizeTick::StopTimer:
        KillTimer(skin::kResizeTimerId);
        return;
    case skin::ResizeTick::EndResize:
        EndResize();
        return;
    case skin::ResizeTick::MoveWindow: {
        POINT cursor;
        GetCursorPos(&cursor);
        const RECT r = skin::ResizeRect(m_nResizeCode, m_rcPressWindow, m_ptPress, cursor, m_sizeMin);
        MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
        return;
    }
    }
}

void CVelDialog::OnLButtonUp(UINT, POINT) { EndResize(); }

// The release never comes once the capture has gone elsewhere (the secure
// desktop, a UAC prompt, another program taking the foreground): without
// this the frame would follow the pointer with no button held. A capture
// set again to the dialog itself (by a platform sizing loop) is no loss.
LRESULT CVelDialog::OnCaptureChanged(WPARAM, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(lParam) != m_hWnd)
        EndResize();
    return 0;
}

void CVelDialog::OnLButtonDblClk(UINT, POINT point)
{
    RECT client;
    GetClientRect(&client);
    if (skin::DoubleClickTogglesMaximise(skin::HitTestFrame(m_slices, client, point, m_scale)))
        SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
}

// ---- commands, keys, system menu ------------------------------------------------------

BOOL CVelDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    switch (skin::ActionForCommand(id)) {
    case skin::CaptionCommandAction::SendClose:
        SendMessage(WM_CLOSE);
        return TRUE;
    case skin::CaptionCommandAction::MaximiseOrRestore:
        ShowWindow(skin::MaximiseButtonShowCommand(IsZoomed() != FALSE));
        return TRUE;
    case skin::CaptionCommandAction::Minimise:
        ShowWindow(SW_MINIMIZE);
        return TRUE;
    case skin::CaptionCommandAction::ShowSystemMenu:
        ShowSystemMenu();
        return TRUE;
    case skin::CaptionCommandAction::SendSysCommand:
        SendMessage(WM_SYSCOMMAND, id, 0);
        return TRUE;
    case skin::CaptionCommandAction::PostSysCommand:
        PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
        return TRUE;
    case skin::CaptionCommandAction::NotOurs:
        break;
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CVelDialog::PreTranslateMessage(MSG* pMsg)
{
    if (skin::IsSystemMenuKey(pMsg->message, pMsg->wParam, GetKeyState(VK_MENU) < 0)) {
        SendMessage(WM_COMMAND, skin::ID_SYSTEM_MENU, 0);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CVelDialog::ShowSystemMenu()
{
    if (!skin::SystemMenuMayOpen(GetTickCount(), m_dwLastMenuTime))
        return;
    RECT wr;
    GetWindowRect(&wr);
    HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    const auto state = skin::WindowStateOf(IsZoomed() != FALSE, IsIconic() != FALSE);
    for (const skin::MenuItemState& item : skin::SystemMenuItemStates(state, m_bResizable != FALSE))
        EnableMenuItem(menu, item.command, MF_BYCOMMAND | item.flags);
    SetMenuDefaultItem(menu, SC_CLOSE, FALSE);

    const POINT at = skin::SystemMenuPoint(wr, m_slices);
    CWnd* owner = GetActiveWindow();
    TrackPopupMenu(menu, 0, at.x, at.y, 0, owner != nullptr ? owner->GetSafeHwnd() : m_hWnd, nullptr);
    m_dwLastMenuTime = GetTickCount();
}
