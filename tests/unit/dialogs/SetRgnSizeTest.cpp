// The region size dialog run modally, looked at and ended while it is open.
#include "dialogs/CSetRgnSize.h"
#include "gfx/ArtworkBitmap.h"
#include "gfx/WindowDpi.h"
#include "res/resource.h"
#include "skin/CaptionCommands.h"
#include "tests/unit/soak/ImportPatch.h"
#include "tests/unit/transbutton/TransButtonTestWindows.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>

namespace {

// Runs whileOpen once the dialog is up, from a thread timer that the
// dialog's own modal loop dispatches. A dialog still open long after
// that is ended with -2, so a test that fails to close it fails instead of
// hanging.
class ModalRun {
public:
    static INT_PTR Run(CSetRgnSize& dlg, std::function<void(CSetRgnSize&)> whileOpen)
    {
        s_dlg = &dlg;
        s_whileOpen = std::move(whileOpen);
        s_ticks = 0;
        s_done = false;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &ModalRun::Tick);
        const INT_PTR result = dlg.DoModal();
        ::KillTimer(nullptr, timer);
        EXPECT_TRUE(s_done) << "the dialog never showed";
        s_dlg = nullptr;
        return result;
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        ++s_ticks;
        if (s_dlg->m_hWnd == nullptr)
            return;
        if (!s_done && s_dlg->IsWindowVisible()) {
            s_done = true;
            s_whileOpen(*s_dlg);
        } else if (s_ticks > 300) {
            ADD_FAILURE() << "the dialog was still open 15 s on";
            s_dlg->EndDialog(-2);
        }
    }

    static inline CSetRgnSize* s_dlg = nullptr;
    static inline std::function<void(CSetRgnSize&)> s_whileOpen;
    static inline int s_ticks = 0;
    static inline bool s_done = false;
};

HWND Item(CWnd& dlg, int id) { return ::GetDlgItem(dlg.m_hWnd, id); }

std::string TextOf(HWND hWnd)
{
    char text[64] = {};
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

// A child's rectangle in the dialog's client coordinates.
std::string ChildRect(CWnd& dlg, int id)
{
    HWND child = Item(dlg, id);
    if (child == nullptr)
        return "no control " + std::to_string(id);
    RECT r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    return tbtest::RectText(r);
}

std::string Box(int x, int y, int cx, int cy) { return tbtest::RectText(RECT{x, y, x + cx, y + cy}); }

const CVelTransButton* TransButton(CWnd& dlg, int id)
{
    return dynamic_cast<const CVelTransButton*>(CWnd::FromHandlePermanent(Item(dlg, id)));
}

void PutOnClipboard(HWND owner, const char* text)
{
    const std::size_t size = std::strlen(text) + 1;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(::GlobalLock(memory), text, size);
    ::GlobalUnlock(memory);
    ASSERT_TRUE(::OpenClipboard(owner));
    ::EmptyClipboard();
    ::SetClipboardData(CF_TEXT, memory);
    ::CloseClipboard();
}

// The user's keys, as the keyboard would queue them for the focused window.
void PostKey(UINT vk)
{
    HWND focus = ::GetFocus();
    ::PostMessageA(focus, WM_KEYDOWN, vk, 1);
    ::PostMessageA(focus, WM_KEYUP, vk, 0xC0000001);
}

struct SetRgnSizeFixture : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(owner.Open(POINT{200, 150}, SIZE{500, 400})); }

    tbtest::CTestParent owner;
};

TEST_F(SetRgnSizeFixture, OpensLaidOutCentredOnItsOwnerAndEnterReturnsTheShownValues)
{
    CSetRgnSize dlg(&owner);
    dlg.m_nWidth = 320;
    dlg.m_nHeight = 240;
    const INT_PTR result = ModalRun::Run(dlg, [&](CSetRgnSize& d) {
        RECT wr, cr, ownerRect;
        d.GetWindowRect(&wr);
        d.GetClientRect(&cr);
        owner.GetWindowRect(&ownerRect);
        EXPECT_EQ(tbtest::RectText(cr), Box(0, 0, 200, 100)) << "no non-client area, 200 x 100";
        EXPECT_EQ(wr.right - wr.left, 200);
        EXPECT_EQ(wr.bottom - wr.top, 100);
        EXPECT_NEAR((wr.left + wr.right) / 2, (ownerRect.left + ownerRect.right) / 2, 1) << "centred across";
        EXPECT_NEAR((wr.top + wr.bottom) / 2, (ownerRect.top + ownerRect.bottom) / 2, 1) << "centred down";
        EXPECT_FALSE(::IsWindowEnabled(owner.m_hWnd)) << "the owner takes input while the dialog runs";

        EXPECT_EQ(TextOf(d.m_hWnd), "设置截屏区域");
        EXPECT_EQ(d.GetStyle() & (WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX), 0u);

        EXPECT_EQ(ChildRect(d, IDC_EDIT_WIDTH), Box(32, 39, 60, 20));
        EXPECT_EQ(ChildRect(d, IDC_EDIT_HEIGHT), Box(127, 39, 60, 20));
        EXPECT_EQ(ChildRect(d, IDC_LABEL_WIDTH), Box(5, 39, 25, 20));
        EXPECT_EQ(ChildRect(d, IDC_LABEL_HEIGHT), Box(100, 39, 25, 20));
        EXPECT_EQ(ChildRect(d, IDOK), Box(135, 68, 40, 20));
        EXPECT_EQ(TextOf(Item(d, IDC_EDIT_WIDTH)), "320");
        EXPECT_EQ(TextOf(Item(d, IDC_EDIT_HEIGHT)), "240");
        EXPECT_EQ(TextOf(Item(d, IDC_LABEL_WIDTH)), "宽：");
        EXPECT_EQ(TextOf(Item(d, IDC_LABEL_HEIGHT)), "高：");
        EXPECT_EQ(TextOf(Item(d, IDOK)), "确 定");
        EXPECT_NE(::GetWindowLongA(Item(d, IDC_EDIT_WIDTH), GWL_STYLE) & ES_NUMBER, 0);

        const CVelTransButton* ok = TransButton(d, IDOK);
        const CVelTransButton* label = TransButton(d, IDC_LABEL_WIDTH);
        ASSERT_NE(ok, nullptr);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(ok->GetLook(), CVelTransButton::Look::Text);
        EXPECT_EQ(label->GetLook(), CVelTransButton::Look::Label);
        EXPECT_EQ(TransButton(d, IDC_LABEL_HEIGHT)->GetLook(), CVelTransButton::Look::Label);

        // Only the close caption button is shown.
        EXPECT_EQ(ChildRect(d, static_cast<int>(skin::ID_CAPTION_CLOSE)), Box(162, 0, 38, 18));
        EXPECT_TRUE(::IsWindowVisible(Item(d, static_cast<int>(skin::ID_CAPTION_CLOSE))));
        EXPECT_FALSE(::IsWindowVisible(Item(d, static_cast<int>(skin::ID_CAPTION_MINIMIZE))));
        EXPECT_EQ(Item(d, static_cast<int>(skin::ID_CAPTION_MAXIMIZE)), nullptr);

        EXPECT_EQ(::GetFocus(), Item(d, IDC_EDIT_WIDTH)) << "the width box has the focus";
        PostKey(VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_nNewWidth, 320);
    EXPECT_EQ(dlg.m_nNewHeight, 240);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
}

// The box's text height, and the height inside its border.
struct BoxFit {
    int textHeight = 0;
    int inside = 0;
};

BoxFit FitOf(HWND box)
{
    BoxFit fit;
    RECT client{};
    ::GetClientRect(box, &client);
    fit.inside = client.bottom - client.top;
    HDC dc = ::GetDC(box);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(box, WM_GETFONT, 0, 0)));
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(box, dc);
    fit.textHeight = tm.tmHeight;
    return fit;
}

void ChangeDpi(CWnd& d, int dpi, POINT at)
{
    RECT suggested{at.x, at.y, at.x + 300, at.y + 150};
    d.SendMessage(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// Moved to a 200 % monitor and back: the dialog, its boxes, their text and
// its close button double, the digits stay whole, and the way back restores
// every place and the template's font.
TEST_F(SetRgnSizeFixture, FollowsAScaleChangeWithWholeDigitsAndComesBackUnchanged)
{
    CSetRgnSize dlg(&owner);
    dlg.m_nWidth = 320;
    dlg.m_nHeight = 240;
    ModalRun::Run(dlg, [&](CSetRgnSize& d) {
        const BoxFit natural = FitOf(Item(d, IDC_EDIT_WIDTH));
        ChangeDpi(d, 192, POINT{40, 30});
        RECT wr, cr;
        d.GetWindowRect(&wr);
        d.GetClientRect(&cr);
        EXPECT_EQ(tbtest::RectText(wr), Box(40, 30, 400, 200)) << "at the suggested place, twice as large";
        EXPECT_EQ(ChildRect(d, IDC_EDIT_WIDTH), Box(64, 78, 120, 40));
        EXPECT_EQ(ChildRect(d, IDOK), Box(270, 136, 80, 40));
        EXPECT_EQ(ChildRect(d, static_cast<int>(skin::ID_CAPTION_CLOSE)), Box(324, 0, 76, 36));
        const BoxFit doubled = FitOf(Item(d, IDC_EDIT_HEIGHT));
        EXPECT_GE(doubled.textHeight, 2 * natural.textHeight - 2);
        EXPECT_LE(doubled.textHeight, doubled.inside) << "the digits fit their box";
        EXPECT_EQ(TextOf(Item(d, IDC_EDIT_WIDTH)), "320");

        ChangeDpi(d, 96, POINT{200, 250});
        d.GetWindowRect(&wr);
        EXPECT_EQ(tbtest::RectText(wr), Box(200, 250, 200, 100));
        EXPECT_EQ(ChildRect(d, IDC_EDIT_WIDTH), Box(32, 39, 60, 20));
        EXPECT_EQ(ChildRect(d, static_cast<int>(skin::ID_CAPTION_CLOSE)), Box(162, 0, 38, 18));
        EXPECT_EQ(FitOf(Item(d, IDC_EDIT_WIDTH)).textHeight, natural.textHeight);
        PostKey(VK_RETURN);
    });
    EXPECT_EQ(dlg.m_nNewWidth, 320);
}

LONG FontHeightOf(HWND box)
{
    LOGFONTW lf{};
    ::GetObjectW(reinterpret_cast<HGDIOBJ>(::SendMessageW(box, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfHeight;
}

// The dialog's DPI, and the system's as the program reads it from the
// screen's device context. Wine has only the system DPI: its dialog manager
// makes the dialog's font at the rig's 96 DPI, as Windows' per-monitor
// dialog manager makes it for a dialog at 100 %, whatever the system's.
UINT g_dialogDpi = 96;
int g_systemDpi = 96;
decltype(&::GetDeviceCaps) g_deviceCaps = nullptr;

UINT WINAPI DialogDpi(HWND) { return g_dialogDpi; }
gfx::GetDpiForWindowFn LookUpDialogDpi() { return &DialogDpi; }

int WINAPI DeviceCapsAtSystemDpi(HDC dc, int index)
{
    return index == LOGPIXELSX || index == LOGPIXELSY ? g_systemDpi : g_deviceCaps(dc, index);
}

CBitmap FailToDecode(BYTE*, DWORD) { return CBitmap(); }

// The boxes' digits are the template's 8 points at the dialog's own scale,
// whatever the system's; where the artwork of the dialog's scale cannot be
// decoded, the whole dialog is the one of 96 DPI.
TEST_F(SetRgnSizeFixture, TheBoxesFontIsTheTemplatesAtTheDialogsScaleWhateverTheSystems)
{
    struct Case {
        const char* what;
        UINT dialogDpi;
        int systemDpi;
        bool decodes;
        SIZE window;
        LONG fontHeight;
    };
    const Case cases[] = {
        {"dialog at 100 % on a 150 % system", 96, 144, true, {200, 100}, -11},
        {"dialog at 150 % on a 100 % system", 144, 96, true, {300, 150}, -16},
        {"dialog at 150 %, its artwork not decoded", 144, 96, false, {200, 100}, -11},
    };
    const ImportPatch caps("gdi32.dll", "GetDeviceCaps", reinterpret_cast<void*>(&DeviceCapsAtSystemDpi));
    ASSERT_TRUE(caps.Applied());
    g_deviceCaps = reinterpret_cast<decltype(&::GetDeviceCaps)>(caps.Original());
    const gfx::WindowDpiLookup previousLookup = gfx::ReplaceWindowDpiLookup(&LookUpDialogDpi);
    const gfx::PngDecoder wic = gfx::ReplacePngDecoder(&FailToDecode);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_dialogDpi = c.dialogDpi;
        g_systemDpi = c.systemDpi;
        gfx::ReplacePngDecoder(c.decodes ? wic : &FailToDecode);
        CSetRgnSize dlg(&owner);
        ModalRun::Run(dlg, [&](CSetRgnSize& d) {
            RECT wr;
            d.GetWindowRect(&wr);
            EXPECT_EQ(wr.right - wr.left, c.window.cx);
            EXPECT_EQ(wr.bottom - wr.top, c.window.cy);
            EXPECT_EQ(FontHeightOf(Item(d, IDC_EDIT_WIDTH)), c.fontHeight);
            EXPECT_EQ(FontHeightOf(Item(d, IDC_EDIT_HEIGHT)), c.fontHeight);
            d.EndDialog(IDCANCEL);
        });
    }
    gfx::ReplacePngDecoder(wic);
    gfx::ReplaceWindowDpiLookup(previousLookup);
}

// Pasted text the keyboard could not have typed: blanks and letters, and a
// number beyond an int with a sign. OK reads both and the dialog closes.
// (Typing, Escape and the two close commands are driven in the journey.)
TEST_F(SetRgnSizeFixture, OkReadsPastedTextAndHugeNumbersAndCloses)
{
    struct Case {
        const char* width;
        const char* height;
        int newWidth;
        int newHeight;
    };
    const Case cases[] = {
        {"  42abc", "-99999999999", 42, INT_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("width box \"") + c.width + "\", height box \"" + c.height + '"');
        CSetRgnSize dlg(&owner);
        dlg.m_nWidth = 50;
        dlg.m_nHeight = 50;
        const INT_PTR result = ModalRun::Run(dlg, [&](CSetRgnSize& d) {
            // Pasted, as the user would: select all, then paste.
            for (auto [id, text] : {std::pair{IDC_EDIT_WIDTH, c.width}, std::pair{IDC_EDIT_HEIGHT, c.height}}) {
                HWND box = Item(d, id);
                PutOnClipboard(d.m_hWnd, text);
                ::SendMessageA(box, EM_SETSEL, 0, -1);
                ::SendMessageA(box, WM_PASTE, 0, 0);
                EXPECT_EQ(TextOf(box), text) << "the box refused the pasted text";
            }
            // A click on OK: press and release on the button.
            HWND ok = Item(d, IDOK);
            ::SendMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            ::SendMessageA(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dlg.m_nNewWidth, c.newWidth);
        EXPECT_EQ(dlg.m_nNewHeight, c.newHeight);
    }
}

} // namespace
