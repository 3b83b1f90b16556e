#include "app/CCaptureFrameDlg.h"

#include "app/CaptureFrameSkin.h"
#include "app/FrameGeometry.h"
#include "app/HotKeyHelp.h"
#include "app/ScreenCapture.h"
#include "dialogs/CSetRgnSize.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"
#include "framework/ScopedSelectObject.h"
#include "framework/UiText.h"
#include "gfx/ArtworkBitmap.h"
#include "gfx/InterfaceFont.h"
#include "gfx/WindowDpi.h"
#include "res/resource.h"

#include <vector>

namespace {

const char* const kSizeProperty = "WndPropName_Vantik_dravok_Size";
const char* const kPositionProperty = "WndPropName_Vantik_dravok_XY";
const char* const kHotKeyAtomName = "vantik_start";
constexpr UINT kHotKeyVirtualKey = 'C';

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLabelBack = RGB(225, 225, 225);
constexpr COLORREF kLabelText = RGB(120, 120, 120);
constexpr DWORD kPanelButtonStyle = WS_CHILD | WS_VISIBLE;

// The remembered geometry lives on the desktop window, for as long as the
// user stays logged on.
void StoreGeometry(const char* name, DWORD value)
{
    SetPropA(GetDesktopWindow(), name, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(value)));
}

DWORD ReadGeometry(const char* name)
{
    return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(GetPropA(GetDesktopWindow(), name)));
}

SIZE ClientSize(const CWnd& wnd)
{
    RECT rc;
    wnd.GetClientRect(&rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void SetWindowRect(CWnd& wnd, const RECT& r, UINT flags)
{
    wnd.SetWindowPos(HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
}

// The window rectangle as it is when any monitor shows some of it, else
// moved onto the nearest monitor's work area.
RECT OnAMonitor(const RECT& window)
{
    if (MonitorFromRect(&window, MONITOR_DEFAULTTONULL) != nullptr)
        return window;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoA(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &monitor))
        return window;
    return frame::BringOntoWorkArea(window, monitor.rcWork);
}

void MoveTo(CWnd& wnd, const RECT& rc)
{
    wnd.MoveWindow(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
}

} // namespace

CCaptureFrameDlg::CCaptureFrameDlg(CWnd* pParent)
    : CVelDialog(IDD_CAPTURE_FRAME, pParent)
    , m_hIcon(LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_VANTIK)))
    , m_hotKeyRepeats(kHotKeyVirtualKey)
{
}

CCaptureFrameDlg::~CCaptureFrameDlg() = default;

const MessageMap* CCaptureFrameDlg::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        On::Paint<&CCaptureFrameDlg::OnPaint>(),
        On::QueryDragIcon<&CCaptureFrameDlg::OnQueryDragIcon>(),
        On::EraseBkgnd<&CCaptureFrameDlg::OnEraseBkgnd>(),
        On::Size<&CCaptureFrameDlg::OnSize>(),
        On::Move<&CCaptureFrameDlg::OnMove>(),
        On::Message<WM_DISPLAYCHANGE, &CCaptureFrameDlg::OnDisplayChange>(),
    };
    static const MessageMap map{CVelDialog::GetThisMessageMap(), entries};
    return &map;
}

void CCaptureFrameDlg::PreSubclassWindow()
{
    CreateSizeLabelFont();
    CVelDialog::PreSubclassWindow();
}

// ---- start-up ----------------------------------------------------------------

BOOL CCaptureFrameDlg::OnInitDialog()
{
    // Asked for the topmost band once it owns topmost popups (the buttons'
    // tooltips), Wine slips the window in below them without marking it
    // topmost; so the frame takes the band before any tooltip exists.
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    TakeScale(gfx::DisplayScale::ForDpi(gfx::WindowDpi(m_hWnd)));
    ConfigureSkin();
    CVelDialog::OnInitDialog();
    // The frame shows no caption button.
    m_btnMin.ShowWindow(SW_HIDE);
    m_btnMax.ShowWindow(SW_HIDE);
    m_btnClose.ShowWindow(SW_HIDE);
    CreatePanelButtons();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    PlaceFrame();
    RegisterCaptureHotKey();
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    return TRUE;
}

// The frame's metrics, skin, label font and panel pictures at a scale; at
// 96 DPI, all of them, where the artwork of the scale cannot be loaded.
void CCaptureFrameDlg::TakeScale(const gfx::DisplayScale& wanted)
{
    std::vector<gfx::ArtworkItem> artwork{{&m_bmpSkin, IDB_FRAME_SKIN}};
    for (const PanelButton& p : PanelButtons())
        artwork.push_back({&p.bitmap, p.bitmapId});
    const gfx::DisplayScale scale = gfx::LoadArtworkSet(AfxGetResourceHandle(), artwork, wanted);
    const bool newFont = scale != m_metrics.scale || m_fontSizeLabel.GetSafeHandle() == nullptr;
    m_metrics = frame::MetricsAt(scale);
    SetScale(scale);
    int index = 0;
    for (const skin::SkinSlice& s : m_metrics.slices.items)
        SetSkinSlice(s.x, s.y, s.cx, s.cy, index++);
    SetSkinBitmaps(&m_bmpSkin, nullptr);
    SetTitleStyle(m_metrics.titlePosition.x, m_metrics.titlePosition.y, kWhite);
    const skin::CaptionButtonMetrics& c = m_metrics.caption;
    SetCaptionButtons(
        c.minWidth, c.maxWidth, c.closeWidth, c.height, c.spacing, c.rightMargin, c.topMargin, c.maxTopExtra, 0);
    const POINT icon = m_metrics.titleIconPosition;
    SetTitleIcon(nullptr, 1, icon.x, icon.y, nullptr, m_metrics.titleIconSize.cx, m_metrics.titleIconSize.cy);
    SetMinTrackSize(m_metrics.minTrackSize.cx, m_metrics.minTrackSize.cy);
    if (newFont)
        CreateSizeLabelFont();
    for (const PanelButton& p : PanelButtons())
        p.button.SetScale(scale);
}

void CCaptureFrameDlg::CreateSizeLabelFont()
{
    if (m_fontSizeLabel.GetSafeHandle() != nullptr)
        m_fontSizeLabel.DeleteObject();
    const LOGFONTA lf = InterfaceLogFont(m_metrics.sizeLabelFontHeight, FW_NORMAL);
    m_fontSizeLabel.CreateFontIndirect(&lf);
}

// Everything else the skinned base reads when it creates its caption
// buttons.
void CCaptureFrameDlg::ConfigureSkin()
{
    // One blank: no visible title; the window text is what the taskbar shows.
    SetTitleText(nullptr, " ", nullptr, "", 0, 0);
    SetWindowText("Vantik");
    m_bResizable = TRUE;
    m_btnMax.m_bNotify = true;
    SetRegionHole(&m_rcViewport);
}

std::array<CCaptureFrameDlg::PanelButton, 4> CCaptureFrameDlg::PanelButtons()
{
    return {{
        {m_btnCloseFrame, m_bmpCloseFrame, IDB_BTN_CLOSE, IDC_BTN_CLOSE, IDS_TIP_CLOSE_FRAME},
        {m_btnCapture, m_bmpCapture, IDB_BTN_CAPTURE, IDC_BTN_CAPTURE, IDS_TIP_CAPTURE},
        {m_btnSetSize, m_bmpSetSize, IDB_BTN_SETSIZE, IDC_BTN_SETSIZE, IDS_TIP_SET_SIZE},
        {m_btnHotKeyHelp, m_bmpHotKeyHelp, IDB_BTN_HOTKEYHELP, IDC_BTN_HOTKEYHELP, IDS_TIP_HOTKEY_HELP},
    }};
}

// The pictures are loaded with the scale.
void CCaptureFrameDlg::CreatePanelButtons()
{
    for (const PanelButton& p : PanelButtons()) {
        p.button.Create("", kPanelButtonStyle, RECT{0, 0, 0, 0}, this, p.id);
        p.button.SetBitmapStyle(&p.bitmap, nullptr, FALSE);
        const CString tip = UiText(p.tipTextId);
        p.button.SetTooltipText(tip);
        p.button.SetAccessibleName(tip);
    }
    // The help button overlaps the set-size button and is drawn whole.
    m_btnSetSize.SetWindowPos(&m_btnHotKeyHelp, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_btnSetSize.ModifyStyle(0, WS_CLIPSIBLINGS);
}

// At the remembered place if both properties are set, else the default size
// centred on the work area. A remembered place that no monitor shows any
// more (one unplugged since, a screen made smaller) is brought onto the
// nearest one.
void CCaptureFrameDlg::PlaceFrame()
{
    const SIZE before = ClientSize(*this);
    RECT restored;
    if (frame::RestoredWindowRect(ReadGeometry(kSizeProperty), ReadGeometry(kPositionProperty), &restored)) {
        PlaceAtStoredGeometry(OnAMonitor(restored));
    } else {
        const SIZE size = m_metrics.defaultSize;
        SetWindowPos(HWND_TOP, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        CenterWindow();
    }
    LayOutIfSizeKept(before);
}

// The frame is created on the primary monitor, at its scale; the stored place
// may lie on a monitor of another scale. So the frame goes there first, takes
// that monitor's scale, and only then its size around the stored viewport.
void CCaptureFrameDlg::PlaceAtStoredGeometry(const RECT& stored)
{
    SetWindowRect(*this, stored, SWP_NOZORDER);
    TakeScaleOfMonitor();
    const SIZE size =
        frame::FrameSizeFromStored(SIZE{stored.right - stored.left, stored.bottom - stored.top}, m_metrics);
    SetWindowPos(HWND_TOP, stored.left, stored.top, size.cx, size.cy, SWP_NOZORDER);
}

void CCaptureFrameDlg::TakeScaleOfMonitor()
{
    const gfx::DisplayScale scale = gfx::DisplayScale::ForDpi(gfx::WindowDpi(m_hWnd));
    if (scale != m_metrics.scale)
        TakeScale(scale);
}

// The layout, the region and the stored size come with WM_SIZE; a change
// that kept the window's size brought none, so they are run here.
void CCaptureFrameDlg::LayOutIfSizeKept(SIZE before)
{
    const SIZE after = ClientSize(*this);
    if (after.cx == before.cx && after.cy == before.cy)
        OnSize(IsZoomed() ? SIZE_MAXIMIZED : SIZE_RESTORED, after.cx, after.cy);
}

// Where the display changed under it, a frame no monitor shows comes back
// onto the nearest one; one that shows at all stays where it is.
void CCaptureFrameDlg::KeepOnAMonitor()
{
    if (IsIconic())
        return;
    RECT wr;
    GetWindowRect(&wr);
    const RECT shown = OnAMonitor(wr);
    if (!EqualRect(&shown, &wr))
        SetWindowRect(*this, shown, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CCaptureFrameDlg::OnDisplayChange(WPARAM, LPARAM)
{
    KeepOnAMonitor();
    return 0;
}

// Fails silently when another program (or another frame) holds Ctrl+C; the
// camera button still works. Held down, the keys capture once: the platform
// is asked not to repeat the hot key, and where it repeats anyway the
// repeats are let go (PreTranslateMessage).
void CCaptureFrameDlg::RegisterCaptureHotKey()
{
    m_atomHotKey = GlobalAddAtomA(kHotKeyAtomName);
    RegisterHotKey(m_hWnd, static_cast<int>(m_atomHotKey), MOD_CONTROL | MOD_NOREPEAT, kHotKeyVirtualKey);
}

// ---- geometry bookkeeping ---------------------------------------------------------

void CCaptureFrameDlg::OnScaleChanged(const gfx::DisplayScale& scale, const RECT& suggested)
{
    // The monitor whose scale the frame now takes is the one it lies on as
    // the change arrives.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    const bool onMonitor = GetMonitorInfoA(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor) != FALSE;
    const SIZE viewport = ViewportSize();
    TakeScale(scale);
    const SIZE before = ClientSize(*this);
    if (!IsIconic() && !IsZoomed()) {
        const SIZE size = frame::FrameSizeForViewport(viewport.cx, viewport.cy, m_metrics);
        const RECT target = onMonitor ? monitor.rcMonitor : suggested;
        SetWindowRect(*this, frame::PlaceAtNewScale(suggested, size, target), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LayOutIfSizeKept(before);
}

// Asked before a move to a monitor of another scale: the bands of that scale
// around the same viewport.
bool CCaptureFrameDlg::SizeAtScale(const gfx::DisplayScale& scale, SIZE* pSize)
{
    if (IsIconic() || IsZoomed())
        return false;
    const SIZE viewport = ViewportSize();
    *pSize = frame::FrameSizeForViewport(viewport.cx, viewport.cy, frame::MetricsAt(scale));
    return true;
}

SIZE CCaptureFrameDlg::ViewportSize() const
{
    return SIZE{m_rcViewport.right - m_rcViewport.left, m_rcViewport.bottom - m_rcViewport.top};
}

void CCaptureFrameDlg::OnSize(UINT nType, int cx, int cy)
{
    if (m_btnCloseFrame.GetSafeHwnd() != nullptr) {
        const SIZE client = ClientSize(*this);
        LayOutFrame(client);
        // The size is stored as the frame at 96 DPI around this viewport.
        const SIZE stored = frame::StoredFrameSize(client, m_metrics);
        if (frame::ShouldStoreSize(client.cx, client.cy) && frame::ShouldStoreSize(stored.cx, stored.cy))
            StoreGeometry(kSizeProperty, frame::PackPair(stored.cx, stored.cy));
    }
    // The base rebuilds the region with the viewport as its hole, so the
    // viewport must be up to date by now.
    CVelDialog::OnSize(nType, cx, cy);
}

void CCaptureFrameDlg::LayOutFrame(SIZE client)
{
    m_rcViewport = frame::ViewportRect(client, m_metrics);
    const frame::PanelLayout layout = frame::LayoutPanel(client, m_metrics);
    MoveTo(m_btnCloseFrame, layout.close);
    MoveTo(m_btnCapture, layout.capture);
    MoveTo(m_btnSetSize, layout.setSize);
    MoveTo(m_btnHotKeyHelp, layout.help);
}

void CCaptureFrameDlg::OnMove(int x, int y)
{
    CVelDialog::OnMove(x, y);
    if (frame::ShouldStorePosition(x, y))
        StoreGeometry(kPositionProperty, frame::PackPair(x, y));
}

// ---- painting ---------------------------------------------------------------------------

BOOL CCaptureFrameDlg::OnEraseBkgnd(CDC* pDC)
{
    CVelDialog::OnEraseBkgnd(pDC);
    RECT inner;
    GetInnerRect(&inner);
    pDC->FillSolidRect(&inner, kWhite);
    DrawSizeLabel(pDC, ClientSize(*this));
    return TRUE;
}

void CCaptureFrameDlg::DrawSizeLabel(CDC* pDC, SIZE client)
{
    CString text;
    const SIZE viewport = ViewportSize();
    text.Format("%dx%d", viewport.cx, viewport.cy);
    RECT rc = frame::LayoutPanel(client, m_metrics).sizeLabel;
    pDC->SetBkColor(kLabelBack);
    pDC->SetTextColor(kLabelText);
    ScopedSelectObject selectFont(*pDC, m_fontSizeLabel);
    pDC->DrawText(text, -1, &rc, DT_SINGLELINE | DT_VCENTER);
}

void CCaptureFrameDlg::OnPaint()
{
    if (!IsIconic()) {
        CVelDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const SIZE client = ClientSize(*this);
    const int x = (client.cx - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.cy - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.GetSafeHdc(), x, y, m_hIcon);
}

HCURSOR CCaptureFrameDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

// ---- commands and keys --------------------------------------------------------------------

BOOL CCaptureFrameDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        // Every key-down is consumed: only Escape, F1 and the arrows do
        // anything. F1 opens the key help as the help button does, from its
        // own command once this key is done with.
        if (pMsg->wParam == VK_ESCAPE)
            PostMessage(WM_CLOSE, 0, 0);
        else if (pMsg->wParam == VK_F1)
            PostMessage(WM_COMMAND, IDC_BTN_HOTKEYHELP, 0);
        else
            OnArrowKey(static_cast<UINT>(pMsg->wParam));
        return TRUE;
    }
    if (pMsg->message == WM_HOTKEY && pMsg->wParam == m_atomHotKey) {
        if (m_hotKeyRepeats.IsNewPress(pMsg->time))
            SendMessage(WM_COMMAND, IDC_BTN_CAPTURE, 0);
        return TRUE;
    }
    return CVelDialog::PreTranslateMessage(pMsg);
}

void CCaptureFrameDlg::OnArrowKey(UINT nKey)
{
    const frame::ArrowStep step = frame::ArrowStepFor(nKey);
    if (!step.isArrow)
        return;
    RECT wr;
    GetWindowRect(&wr);
    if (GetKeyState(VK_SHIFT) < 0) {
        const SIZE size = frame::ShiftArrowSize(SIZE{wr.right - wr.left, wr.bottom - wr.top}, step, m_metrics);
        SetWindowPos(HWND_TOP, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        return;
    }
    SetWindowPos(HWND_TOP, wr.left + step.dx, wr.top + step.dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    POINT cursor;
    GetCursorPos(&cursor);
    SetCursorPos(cursor.x + step.dx, cursor.y + step.dy);
}

BOOL CCaptureFrameDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDC_BTN_CLOSE:
        PostMessage(WM_CLOSE, 0, 0);
        return TRUE;
    case IDC_BTN_CAPTURE:
        CaptureViewport();
        return TRUE;
    case IDC_BTN_SETSIZE:
        SetRequestedSize();
        return TRUE;
    case IDC_BTN_HOTKEYHELP:
        ShowHotKeyHelp(
            AfxGetInstanceHandle(), m_hWnd, IDI_VANTIK, UiText(IDS_HOTKEY_HELP_CAPTION), UiText(IDS_HOTKEY_HELP_TEXT));
        return TRUE;
    default:
        return CVelDialog::OnCommand(wParam, lParam);
    }
}

BOOL CCaptureFrameDlg::CaptureViewport()
{
    RECT wr;
    GetWindowRect(&wr);
    // A step that fails loses only its own output; the command shows nothing.
    CaptureScreenArea(CaptureRect(m_rcViewport, wr));
    return TRUE;
}

// The region size dialog opens with the size last asked for; the frame
// keeps its top-left corner and takes the viewport size typed there.
void CCaptureFrameDlg::SetRequestedSize()
{
    CSetRgnSize dlg(nullptr);
    dlg.m_nWidth = m_nReqWidth;
    dlg.m_nHeight = m_nReqHeight;
    dlg.DoModal();
    if (dlg.m_nNewWidth <= 0 || dlg.m_nNewHeight <= 0)
        return;
    m_nReqWidth = dlg.m_nNewWidth;
    m_nReqHeight = dlg.m_nNewHeight;
    const SIZE size = frame::FrameSizeForViewport(m_nReqWidth, m_nReqHeight, m_metrics);
    SetWindowPos(HWND_TOP, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}
