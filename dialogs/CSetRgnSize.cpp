#include "dialogs/CSetRgnSize.h"

#include "dialogs/DialogTemplateFont.h"
#include "dialogs/SizeTextParser.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "framework/UiText.h"
#include "gfx/ArtworkBitmap.h"
#include "gfx/InterfaceFont.h"
#include "gfx/WindowDpi.h"
#include "res/resource.h"

#include <utility>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kTitleColour = RGB(0, 0, 0);
constexpr COLORREF kOKTextColour = RGB(128, 0, 128);
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;
constexpr RECT kNoRect{0, 0, 0, 0};

// The layout the texts of the interface language fit.
const rgnsize::DialogLayout& LayoutForTexts()
{
    return CurrentUiLanguage() == UiLanguage::Chinese ? rgnsize::kChineseLayout : rgnsize::kEnglishLayout;
}

void MoveTo(CWnd& wnd, const RECT& r) { wnd.MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE); }

constexpr int kPointsPerInch = 72;

// The captions are drawn in the interface font, the 12-pixel 宋体 that the
// stock GUI font is on a system whose code page is 936. The stock font
// itself follows the system's code page: elsewhere it is a Western font,
// which shows the captions as empty boxes or in another face.
void CreateCaption(CVelTransButton& label, const CString& text, UINT nID, CWnd* parent)
{
    label.Create(text, kChildStyle, kNoRect, parent, nID);
    label.SetLabelStyle(nullptr);
    label.SetBackColor(kWhite);
}

} // namespace

CSetRgnSize::CSetRgnSize(CWnd* pParent) : CVelDialog(IDD_SET_RGN_SIZE, pParent) {}

CSetRgnSize::~CSetRgnSize() = default;

const MessageMap* CSetRgnSize::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        On::EraseBkgnd<&CSetRgnSize::OnEraseBkgnd>(),
    };
    static const MessageMap map{CVelDialog::GetThisMessageMap(), entries};
    return &map;
}

void CSetRgnSize::DoDataExchange(CDataExchange* pDX)
{
    CVelDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EDIT_WIDTH, m_editWidth);
    DDX_Control(pDX, IDC_EDIT_HEIGHT, m_editHeight);
}

// The skin and the caption-button metrics must be in place before the base
// creates the caption buttons; the controls are placed once the window has
// its final size.
BOOL CSetRgnSize::OnInitDialog()
{
    TakeScale(gfx::DisplayScale::ForDpi(gfx::WindowDpi(m_hWnd)));
    SetWindowText(UiText(IDS_SIZE_TITLE));
    CVelDialog::OnInitDialog();

    SetWindowPos(
        static_cast<HWND>(nullptr), 0, 0, m_metrics.dialogSize.cx, m_metrics.dialogSize.cy, SWP_NOMOVE | SWP_NOZORDER);
    CenterWindow();
    m_btnMin.ShowWindow(SW_HIDE);

    CreateOKButton();
    CreateCaption(m_lblWidth, UiText(IDS_SIZE_WIDTH), IDC_LABEL_WIDTH, this);
    CreateCaption(m_lblHeight, UiText(IDS_SIZE_HEIGHT), IDC_LABEL_HEIGHT, this);
    ScaleControls();
    // The boxes' window texts are the numbers; their labels' words name them.
    m_editWidth.SetAccessibleName(UiText(IDS_NAME_WIDTH));
    m_editHeight.SetAccessibleName(UiText(IDS_NAME_HEIGHT));

    CString text;
    text.Format("%d", m_nWidth);
    m_editWidth.SetWindowText(text);
    text.Format("%d", m_nHeight);
    m_editHeight.SetWindowText(text);
    // The platform gives the focus to the first tab stop, the width box.
    return TRUE;
}

// The dialog's skin, caption strip, metrics and OK font at a scale; at 96
// DPI, all of them, where the artwork of the scale cannot be loaded.
void CSetRgnSize::TakeScale(const gfx::DisplayScale& wanted)
{
    const gfx::DisplayScale scale = gfx::LoadArtworkSet(
        AfxGetResourceHandle(), {{&m_bmpCaptionButtons, IDB_CAPTION_BUTTONS}, {&m_bmpSkin, IDB_SETRGN_SKIN}}, wanted);
    m_metrics = rgnsize::MetricsAt(scale, LayoutForTexts());
    SetScale(scale);
    if (m_fontOK.GetSafeHandle() != nullptr)
        m_fontOK.DeleteObject();
    const LOGFONTA lf = InterfaceLogFont(m_metrics.okFontHeight, FW_BOLD);
    m_fontOK.CreateFontIndirect(&lf);

    int index = 0;
    for (const skin::SkinSlice& s : m_metrics.slices.items)
        SetSkinSlice(s.x, s.y, s.cx, s.cy, index++);
    SetSkinBitmaps(&m_bmpSkin, &m_bmpCaptionButtons);
    const skin::CaptionButtonMetrics& c = m_metrics.caption;
    SetCaptionButtons(
        c.minWidth,
        c.maxWidth,
        c.closeWidth,
        c.height,
        c.spacing,
        c.rightMargin,
        c.topMargin,
        c.maxTopExtra,
        m_metrics.captionBackgroundX);
    SetTitleStyle(m_metrics.titlePosition.x, m_metrics.titlePosition.y, kTitleColour);
}

void CSetRgnSize::CreateOKButton()
{
    m_btnOK.Create(UiText(IDS_SIZE_OK), kChildStyle, kNoRect, this, IDOK);
    m_btnOK.SetTextStyle();
    m_btnOK.SetTextFont(&m_fontOK);
    m_btnOK.SetTextColors(kOKTextColour, kOKTextColour);
    m_btnOK.SetBackColor(kWhite);
}

// Places, scales and fonts of the controls, at the dialog's scale.
void CSetRgnSize::ScaleControls()
{
    const gfx::DisplayScale& scale = m_metrics.scale;
    for (CVelTransButton* button : {&m_btnOK, &m_lblWidth, &m_lblHeight})
        button->SetScale(scale);
    m_lblWidth.SetTextFont(GetInterfaceFont(scale));
    m_lblHeight.SetTextFont(GetInterfaceFont(scale));
    MoveTo(m_btnOK, m_metrics.okBox);
    MoveTo(m_lblWidth, m_metrics.widthCaptionBox);
    MoveTo(m_lblHeight, m_metrics.heightCaptionBox);
    ScaleEditFont();
    MoveTo(m_editWidth, m_metrics.widthBox);
    MoveTo(m_editHeight, m_metrics.heightBox);
}

// The boxes take the dialog's font, which the dialog manager makes from the
// template's point size at the DPI it goes by: the dialog's own, as it was
// when the window was made, under per-monitor scaling; the system's on older
// systems and under Wine 8 (which has only the system DPI, so the tests show
// a dialog at another scale than the system's through the DPI lookup). The
// boxes are as large as the dialog's scale makes them, so their font is made
// from the template's point size at that scale, whatever the dialog manager
// went by; where the two agree the boxes keep the dialog's own font.
void CSetRgnSize::ScaleEditFont()
{
    auto* const dialogFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    const int points = DialogFontPointSize(AfxGetResourceHandle(), m_nIDTemplate);
    LOGFONTW lf{};
    if (dialogFont == nullptr || points <= 0 || GetObjectW(dialogFont, sizeof(lf), &lf) == 0)
        return;
    const LONG wanted = -MulDiv(points, m_metrics.scale.Dpi(), kPointsPerInch);
    CFont font;
    if (wanted != lf.lfHeight) {
        lf.lfHeight = wanted;
        lf.lfWidth = 0;
        if (!font.Attach(CreateFontIndirectW(&lf)))
            return;
    }
    HFONT boxFont = font.GetSafeHandle() != nullptr ? font.GetSafeHandle() : dialogFont;
    for (CEdit* box : {&m_editWidth, &m_editHeight})
        box->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(boxFont), TRUE);
    // The font the boxes had is let go only now that neither uses it.
    m_fontEdit = std::move(font);
}

// Moved to a monitor of another scale: where the platform proposes, at the
// size, with the artwork and fonts, of the new scale.
void CSetRgnSize::OnScaleChanged(const gfx::DisplayScale& scale, const RECT& suggested)
{
    TakeScale(scale);
    ScaleControls();
    SetWindowPos(static_cast<HWND>(nullptr),
                 suggested.left,
                 suggested.top,
                 m_metrics.dialogSize.cx,
                 m_metrics.dialogSize.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

int CSetRgnSize::ReadBox(const CEdit& box)
{
    CString text;
    box.GetWindowText(text);
    return ReadSizeText(text);
}

// Enter, or a click on the OK button. The dialog closes whatever the boxes
// hold.
void CSetRgnSize::OnOK()
{
    m_nNewWidth = ReadBox(m_editWidth);
    m_nNewHeight = ReadBox(m_editHeight);
    CVelDialog::OnOK();
}

// The inner area is white; the base paints the skinned frame around it.
BOOL CSetRgnSize::OnEraseBkgnd(CDC* pDC)
{
    RECT inner;
    GetInnerRect(&inner);
    pDC->FillSolidRect(&inner, kWhite);
    return CVelDialog::OnEraseBkgnd(pDC);
}
