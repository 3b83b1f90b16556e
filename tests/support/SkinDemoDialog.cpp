#include "tests/support/SkinDemoDialog.h"

#include "framework/CDC.h"
#include "gfx/InterfaceFont.h"
#include "tests/support/SkinDemoIds.h"

#include <cstdlib>

namespace skindemo {

namespace {

// A 32-bit top-down DIB whose pixels are set by paint(x, y).
template <class PixelFn> CBitmap MakeDib(int width, int height, PixelFn paint)
{
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    CBitmap bitmap;
    bitmap.Attach(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bits == nullptr)
        return bitmap;
    auto* out = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = paint(x, y);
            out[y * width + x] = (DWORD(GetRValue(c)) << 16) | (DWORD(GetGValue(c)) << 8) | GetBValue(c);
        }
    }
    GdiFlush();
    return bitmap;
}

bool InRect(const skin::SkinSlice& s, int x, int y) { return x >= s.x && x < s.x + s.cx && y >= s.y && y < s.y + s.cy; }

// True if (x, y) is one of the quarter-circle pixels of a corner square of a
// width x height image.
bool IsCornerCut(int width, int height, int x, int y)
{
    const int dx = x < width / 2 ? x : width - 1 - x;
    const int dy = y < height / 2 ? y : height - 1 - y;
    for (const POINT& p : kCornerCut) {
        if (p.x == dx && p.y == dy)
            return true;
    }
    return false;
}

// A small white glyph per caption triple: bar, box, cross, two boxes.
bool IsGlyphPixel(int triple, int x, int y)
{
    switch (triple) {
    case 0:
        return y == 11 && x >= 4 && x <= 11;
    case 1:
        return x >= 4 && x <= 11 && y >= 4 && y <= 11 && (x == 4 || x == 11 || y == 4 || y == 5 || y == 11);
    case 2:
        return x >= 4 && x <= 11 && (x - 4 == y - 4 || x - 4 == 11 - y) && y >= 4 && y <= 11;
    default: {
        const bool back = x >= 6 && x <= 11 && y >= 3 && y <= 8 && (x == 6 || x == 11 || y == 3 || y == 8);
        const bool front = x >= 4 && x <= 9 && y >= 6 && y <= 11 && (x == 4 || x == 9 || y == 6 || y == 11);
        return back || front;
    }
    }
}

} // namespace

COLORREF CaptionFrameColour(int triple, int frame) { return RGB(40 + triple * 50, 60 + frame * 80, 200 - triple * 40); }

CBitmap MakeSkin()
{
    return MakeDib(kSkinWidth, kSkinHeight, [](int x, int y) {
        if (IsCornerCut(kSkinWidth, kSkinHeight, x, y))
            return kMagenta;
        for (const POINT& p : kStrayMagenta) {
            if (p.x == x && p.y == y)
                return kMagenta;
        }
        for (int i = 0; i < 8; ++i) {
            if (InRect(kSlices[i], x, y))
                return kSliceColour[i];
        }
        return kSkinGrey;
    });
}

CBitmap MakeCaptionStrip()
{
    return MakeDib(12 * kCaptionSize, kCaptionSize, [](int x, int y) {
        const int triple = x / (3 * kCaptionSize);
        const int frame = (x / kCaptionSize) % 3;
        const int fx = x % kCaptionSize;
        if (IsCornerCut(kCaptionSize, kCaptionSize, fx, y))
            return kMagenta;
        if (IsGlyphPixel(triple, fx, y))
            return RGB(255, 255, 255);
        return CaptionFrameColour(triple, frame);
    });
}

} // namespace skindemo

CSkinDemoDialog::CSkinDemoDialog(const skindemo::Options& options)
    : CVelDialog(IDD_SKIN_DEMO, nullptr)
    , m_options(options)
{
}

const MessageMap* CSkinDemoDialog::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        On::EraseBkgnd<&CSkinDemoDialog::OnEraseBkgnd>(),
        On::SetCursor<&CSkinDemoDialog::OnSetCursor>(),
        On::Message<WM_CLOSE, &CSkinDemoDialog::OnClose>(),
        On::Message<WM_INITMENU, &CSkinDemoDialog::OnInitMenu>(),
        On::Message<WM_SYSCOMMAND, &CSkinDemoDialog::OnSysCommand>(),
    };
    static const MessageMap map{CVelDialog::GetThisMessageMap(), entries};
    return &map;
}

// The same order of steps as the program's dialogs.
BOOL CSkinDemoDialog::OnInitDialog()
{
    if (m_options.topmost)
        SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (m_options.skin) {
        m_bmpSkin = skindemo::MakeSkin();
        m_bmpCaption = skindemo::MakeCaptionStrip();
    }
    for (int i = 0; i < 8; ++i) {
        const skin::SkinSlice& s = skindemo::kSlices[i];
        SetSkinSlice(s.x, s.y, s.cx, s.cy, i);
    }
    SetSkinBitmaps(&m_bmpSkin, &m_bmpCaption);
    SetTitleStyle(40, 6, RGB(255, 255, 255));
    SetCaptionButtons(16, 16, 16, 16, 4, 5, 4, 1, 0);
    if (*m_options.titleText != '\0')
        SetTitleText(GetInterfaceFont(), m_options.titleText, nullptr, "", 0, 0);
    SetWindowText(m_options.windowText);
    m_bResizable = m_options.resizable ? TRUE : FALSE;
    m_btnMax.m_bNotify = m_options.maximiseButton;
    SetMinTrackSize(m_options.minSize.cx, m_options.minSize.cy);
    SetRegionHole(m_options.hole);
    CVelDialog::OnInitDialog();

    const RECT& r = m_options.placement;
    SetWindowPos(HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
    if (onInit)
        onInit(*this);
    return TRUE;
}

BOOL CSkinDemoDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    commands.push_back(Command{wParam, lParam});
    return CVelDialog::OnCommand(wParam, lParam);
}

void CSkinDemoDialog::OnCancel()
{
    ++cancelCount;
    CVelDialog::OnCancel();
}

LRESULT CSkinDemoDialog::OnClose(WPARAM, LPARAM)
{
    ++closeCount;
    return Default();
}

LRESULT CSkinDemoDialog::OnInitMenu(WPARAM wParam, LPARAM)
{
    const auto menu = reinterpret_cast<HMENU>(wParam);
    auto state = [menu](UINT command) { return GetMenuState(menu, command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED); };
    menusAtInit.push_back(MenuStates{
        state(SC_SIZE),
        state(SC_MOVE),
        state(SC_RESTORE),
        state(SC_MINIMIZE),
        state(SC_MAXIMIZE),
        state(SC_CLOSE),
        GetMenuDefaultItem(menu, FALSE, 0)});
    return Default();
}

LRESULT CSkinDemoDialog::OnSysCommand(WPARAM wParam, LPARAM)
{
    if ((wParam & 0xFFF0) == SC_SIZE && !m_options.platformSizesBorders)
        return 0;
    return Default();
}

// The area inside the frame is the derived dialog's to fill.
BOOL CSkinDemoDialog::OnEraseBkgnd(CDC* pDC)
{
    RECT inner;
    GetInnerRect(&inner);
    pDC->FillSolidRect(&inner, skindemo::kInnerColour);
    return CVelDialog::OnEraseBkgnd(pDC);
}

BOOL CSkinDemoDialog::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    const BOOL result = CVelDialog::OnSetCursor(pWnd, nHitTest, message);
    if (cursorLog != nullptr) {
        const std::string name = CurrentCursorName();
        if (name != m_lastCursor) {
            std::fprintf(cursorLog, "%s\n", name.c_str());
            std::fflush(cursorLog);
            m_lastCursor = name;
        }
    }
    return result;
}

std::string CurrentCursorName()
{
    const HCURSOR current = GetCursor();
    const struct {
        const char* id;
        const char* name;
    } known[] = {
        {IDC_SIZEWE, "sizewe"},
        {IDC_SIZENS, "sizens"},
        {IDC_SIZENWSE, "sizenwse"},
        {IDC_SIZENESW, "sizenesw"},
        {IDC_ARROW, "arrow"},
    };
    for (const auto& k : known) {
        if (current == LoadCursorA(nullptr, k.id))
            return k.name;
    }
    return "other";
}
