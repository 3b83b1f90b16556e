#include "dialogs/CSetRgnSize.h"

#include "dialogs/RegionSizeSkin.h"
#include "dialogs/SizeTextParser.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "gfx/InterfaceFont.h"
#include "res/resource.h"

namespace {

const char* const kTitle = "设置截屏区域";
const char* const kOKText = "确 定";
const char* const kWidthCaption = "宽：";
const char* const kHeightCaption = "高：";

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kTitleColour = RGB(0, 0, 0);
constexpr COLORREF kOKTextColour = RGB(128, 0, 128);
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;
constexpr RECT kNoRect{0, 0, 0, 0};

// A placement in client pixels.
struct Box {
    int x, y, cx, cy;
};

constexpr SIZE kDialogSize{200, 100};
constexpr Box kOKBox{135, 68, 40, 20};
constexpr Box kWidthCaptionBox{5, 39, 25, 20};
constexpr Box kHeightCaptionBox{100, 39, 25, 20};
constexpr Box kWidthBox{32, 39, 60, 20};
constexpr Box kHeightBox{127, 39, 60, 20};

// The caption strip holds 38 x 18 frames; only the close button is shown,
// over a background taken from x 351 of the strip.
constexpr int kCaptionButtonWidth = 38;
constexpr int kCaptionButtonHeight = 18;
constexpr int kCaptionButtonSpacing = 1;
constexpr int kCaptionBackgroundX = 351;

void MoveTo(CWnd& wnd, const Box& b) { wnd.MoveWindow(b.x, b.y, b.cx, b.cy, TRUE); }

// The captions are drawn in the interface font, the 12-pixel 宋体 that the
// stock GUI font is on a system whose code page is 936. The stock font
// itself follows the system's code page: elsewhere it is a Western font,
// which shows the captions as empty boxes or in another face.
void CreateCaption(CVelTransButton& label, const char* text, UINT nID, const Box& box, CWnd* parent)
{
    label.Create(text, kChildStyle, kNoRect, parent, nID);
    label.SetTextFont(GetInterfaceFont());
    label.SetLabelStyle(nullptr);
    label.SetBackColor(kWhite);
    MoveTo(label, box);
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
    CreateOKFont();
    ConfigureSkin();
    SetWindowText(kTitle);
    CVelDialog::OnInitDialog();

    SetWindowPos(static_cast<HWND>(nullptr), 0, 0, kDialogSize.cx, kDialogSize.cy, SWP_NOMOVE | SWP_NOZORDER);
    CenterWindow();
    m_btnMin.ShowWindow(SW_HIDE);

    CreateOKButton();
    CreateCaption(m_lblWidth, kWidthCaption, IDC_LABEL_WIDTH, kWidthCaptionBox, this);
    CreateCaption(m_lblHeight, kHeightCaption, IDC_LABEL_HEIGHT, kHeightCaptionBox, this);
    PlaceEditBoxes();

    CString text;
    text.Format("%d", m_nWidth);
    m_editWidth.SetWindowText(text);
    text.Format("%d", m_nHeight);
    m_editHeight.SetWindowText(text);
    // The platform gives the focus to the first tab stop, the width box.
    return TRUE;
}

void CSetRgnSize::CreateOKFont()
{
    const LOGFONTA lf = InterfaceLogFont(15, FW_BOLD);
    m_fontOK.CreateFontIndirect(&lf);
}

void CSetRgnSize::ConfigureSkin()
{
    m_bmpCaptionButtons.LoadBitmap(AfxGetResourceHandle(), IDB_CAPTION_BUTTONS);
    m_bmpSkin.LoadBitmap(AfxGetResourceHandle(), IDB_SETRGN_SKIN);
    int index = 0;
    for (const skin::SkinSlice& s : rgnsize::kSkinSlices.items)
        SetSkinSlice(s.x, s.y, s.cx, s.cy, index++);
    SetSkinBitmaps(&m_bmpSkin, &m_bmpCaptionButtons);
    SetCaptionButtons(
        kCaptionButtonWidth,
        kCaptionButtonWidth,
        kCaptionButtonWidth,
        kCaptionButtonHeight,
        kCaptionButtonSpacing,
        0,
        0,
        0,
        kCaptionBackgroundX);
    SetTitleStyle(8, 7, kTitleColour);
}

void CSetRgnSize::CreateOKButton()
{
    m_btnOK.Create(kOKText, kChildStyle, kNoRect, this, IDOK);
    m_btnOK.SetTextStyle();
    m_btnOK.SetTextFont(&m_fontOK);
    m_btnOK.SetTextColors(kOKTextColour, kOKTextColour);
    m_btnOK.SetBackColor(kWhite);
    MoveTo(m_btnOK, kOKBox);
}

void CSetRgnSize::PlaceEditBoxes()
{
    MoveTo(m_editWidth, kWidthBox);
    MoveTo(m_editHeight, kHeightBox);
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
