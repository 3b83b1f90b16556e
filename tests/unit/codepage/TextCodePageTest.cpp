#include "app/HotKeyHelp.h"
#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CFont.h"
#include "framework/CToolTipCtrl.h"
#include "framework/UiText.h"
#include "res/resource.h"
#include "tests/unit/PixelTestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <cstdlib>
#include <cstring>
#include <string>

// The program's texts are GBK bytes and must reach the platform as the same
// characters whatever the system's ANSI code page. This program runs in the
// rig's code page 936 and once more in 1252 (a Western system), where text
// handed to the ANSI functions turns into other characters; every
// expectation holds in both. The UTF-16 literals are the expected characters,
// independent of any conversion under test.

namespace {

std::wstring WindowTextW(HWND hWnd)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(hWnd, text, 256);
    return text;
}

// The region size dialog's template, shown modeless.
class CPlainDialog : public CDialog {
public:
    CPlainDialog() : CDialog(IDD_SET_RGN_SIZE) {}
    BOOL Create() { return CreateFromTemplate(nullptr) != nullptr; }
};

TEST(TextCodePage, RunsInTheCodePageItIsMeantFor)
{
    const char* expected = std::getenv("VANTIK_EXPECTED_ACP");
    EXPECT_EQ(::GetACP(), expected != nullptr ? static_cast<UINT>(std::atoi(expected)) : 936u)
        << "the locale did not reach Wine; this run proves nothing";
}

TEST(TextCodePage, FontFaceNamesAreGbk)
{
    LOGFONTA lf{};
    lf.lfHeight = -11;
    lf.lfCharSet = GB2312_CHARSET;
    std::strcpy(lf.lfFaceName, "宋体");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));

    LOGFONTW wide{};
    ::GetObjectW(font.GetSafeHandle(), sizeof wide, &wide);
    EXPECT_EQ(std::wstring(wide.lfFaceName), L"宋体") << "the platform was asked for another face";
}

// Through the framework's window procedure each time: a dialog from a
// template, a button made with a caption, texts set and read back.
TEST(TextCodePage, WindowTextsGoToAndComeFromThePlatformAsGbk)
{
    CPlainDialog dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.SetWindowText("设置截屏区域");
    EXPECT_EQ(WindowTextW(dlg.m_hWnd), L"设置截屏区域");

    CButton button;
    ASSERT_TRUE(button.Create("宽：", WS_CHILD, RECT{5, 39, 30, 59}, &dlg, IDC_LABEL_WIDTH));
    EXPECT_EQ(WindowTextW(button.m_hWnd), L"宽：");
    button.SetWindowText("高：");
    EXPECT_EQ(WindowTextW(button.m_hWnd), L"高：");

    ::SetWindowTextW(dlg.m_hWnd, L"设置截屏区域");
    CString text;
    dlg.GetWindowText(text);
    EXPECT_STREQ(text, "设置截屏区域");
    dlg.DestroyWindow();
}

// The stock GUI font's character set is the system's: drawn as GBK, the text
// must give exactly the pixels of the same characters drawn from UTF-16.
TEST(TextCodePage, TextIsDrawnAsGbk)
{
    MemoryCanvas drawn(40, 20, RGB(255, 255, 255));
    MemoryCanvas expected(40, 20, RGB(255, 255, 255));
    ::SelectObject(drawn.dc.m_hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SelectObject(expected.dc.m_hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    RECT rc{0, 0, 40, 20};
    drawn.dc.DrawText("宽：", -1, &rc, DT_SINGLELINE | DT_VCENTER);
    ::DrawTextW(expected.dc.m_hDC, L"宽：", -1, &rc, DT_SINGLELINE | DT_VCENTER);

    int ink = 0;
    int differ = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            ink += expected.dc.GetPixel(x, y) != RGB(255, 255, 255);
            differ += drawn.dc.GetPixel(x, y) != expected.dc.GetPixel(x, y);
        }
    }
    EXPECT_GT(ink, 10) << "nothing drawn";
    EXPECT_EQ(differ, 0) << "pixels that differ from the characters drawn from UTF-16";
}

TEST(TextCodePage, ToolTipTextsAreGbk)
{
    InitCommonControls();
    CPlainDialog dlg;
    ASSERT_TRUE(dlg.Create());
    CButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, RECT{0, 0, 40, 20}, &dlg, IDOK));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&button, TTS_ALWAYSTIP));
    ASSERT_TRUE(tip.AddTool(&button, "截图"));
    auto toolText = [&] {
        wchar_t text[80] = {};
        TOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.hwnd = dlg.m_hWnd;
        ti.uId = reinterpret_cast<UINT_PTR>(button.m_hWnd);
        ti.lpszText = text;
        ::SendMessageW(tip.m_hWnd, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&ti));
        return std::wstring(text);
    };
    EXPECT_EQ(toolText(), L"截图");
    tip.UpdateTipText("关闭", &button);
    EXPECT_EQ(toolText(), L"关闭");
    tip.DestroyWindow();
    dlg.DestroyWindow();
}

// A character typed into an edit box (from an input method, say) arrives
// through the modal loop as that character.
class CTypingDialog : public CDialog {
public:
    CTypingDialog() : CDialog(IDD_SET_RGN_SIZE) {}
    std::wstring typed;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        HWND edit = ::GetDlgItem(m_hWnd, IDC_EDIT_WIDTH);
        ::SetWindowLongW(edit, GWL_STYLE, ::GetWindowLongW(edit, GWL_STYLE) & ~ES_NUMBER);
        ::PostMessageW(edit, WM_CHAR, L'宽', 1);
        PostMessage(WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    void OnCancel() override
    {
        typed = WindowTextW(::GetDlgItem(m_hWnd, IDC_EDIT_WIDTH));
        CDialog::OnCancel();
    }
};

TEST(TextCodePage, TypedCharactersPassTheModalLoopUnchanged)
{
    CTypingDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.typed, L"宽");
}

// The hot-key help box, read while it shows, then closed.
std::wstring g_boxCaption;
std::wstring g_boxText;

BOOL CALLBACK FindShownDialog(HWND hWnd, LPARAM lParam)
{
    char className[16] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    if (std::strcmp(className, "#32770") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

void CALLBACK ReadAndCloseBox(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    HWND box = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindShownDialog, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr)
        return;
    ::KillTimer(nullptr, idEvent);
    g_boxCaption = WindowTextW(box);
    // The box's text is its static control 0xFFFF.
    g_boxText = WindowTextW(::GetDlgItem(box, 0xFFFF));
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// A Chinese user whatever the code page (in 1252 the locale's interface
// language is English).
LANGID SimplifiedChinese() { return 0x0804; }

TEST(TextCodePage, HotKeyHelpShowsItsTextsAsGbk)
{
    const UiLanguageLookup previous = ReplaceUiLanguageLookup(&SimplifiedChinese);
    ::SetTimer(nullptr, 0, 50, ReadAndCloseBox);
    ShowHotKeyHelp(::GetModuleHandleW(nullptr),
                   nullptr,
                   IDI_VANTIK,
                   UiText(IDS_HOTKEY_HELP_CAPTION),
                   UiText(IDS_HOTKEY_HELP_TEXT));
    EXPECT_EQ(g_boxCaption, L"快捷键");
    EXPECT_EQ(g_boxText,
              L"←  向左移动   →  向右移动\r\n↑  向上移动   ↓  向下移动\r\n\r\n"
              L"按下Shift +方向键 改变窗口大小\r\nCtrl +C --- 截图");
    ReplaceUiLanguageLookup(previous);
}

} // namespace
