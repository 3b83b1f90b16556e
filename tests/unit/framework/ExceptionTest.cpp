#include "framework/CClientDC.h"
#include "framework/CResourceException.h"
#include "framework/GbkText.h"
#include "tests/unit/framework/FrameworkTestIds.h"
#include "tests/unit/framework/RecordingWindows.h"
#include "tests/unit/soak/ImportPatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// An exception escaping a command handler ends that command, is reported,
// and the program goes on.

namespace {

std::vector<std::string> g_reports;
HWND g_reportOwner = nullptr;

int WINAPI RecordReport(HWND hWndOwner, LPCWSTR pszText, LPCWSTR, UINT)
{
    g_reports.push_back(GbkFromWide(pszText));
    g_reportOwner = hWndOwner;
    return IDOK;
}

// The report's message box, written down instead of shown while this lives.
class ReportsRecorded {
public:
    ReportsRecorded() : m_patch("user32.dll", "MessageBoxW", reinterpret_cast<void*>(&RecordReport))
    {
        g_reports.clear();
    }
    bool Applied() const { return m_patch.Applied(); }

private:
    ImportPatch m_patch;
};

// A window that no longer exists.
CWnd* DeadWindow()
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ::DestroyWindow(hWnd);
    return CWnd::FromHandle(hWnd);
}

void ArmCommandHandlers(CRecordingDialog& dlg, std::vector<int>& completed)
{
    dlg.bindEdit = false;
    dlg.onCommand = [&completed](CRecordingDialog&, WPARAM wParam, LPARAM) -> BOOL {
        switch (LOWORD(wParam)) {
        case 50:
            AfxThrowResourceException();
        case 51: {
            CClientDC dc(DeadWindow()); // the screen-read failure path
            completed.push_back(51);    // not reached
            return TRUE;
        }
        case 52:
            completed.push_back(52);
            return TRUE;
        default:
            return FALSE;
        }
    };
}

TEST(FrameworkExceptions, DeviceContextsRaiseTheResourceException)
{
    EXPECT_THROW(CClientDC dc(DeadWindow()), CResourceException);
    try {
        CClientDC dc(DeadWindow());
    } catch (const CException& e) {
        EXPECT_STREQ(e.what(), "A required resource was unavailable.");
        EXPECT_NE(dynamic_cast<const CResourceException*>(&e), nullptr);
    }
    // The screen itself is always there.
    CClientDC screen(static_cast<CWnd*>(nullptr));
    EXPECT_NE(screen.GetSafeHdc(), nullptr);
}

TEST(FrameworkExceptions, EscapingCommandIsReportedAndTheProgramGoesOn)
{
    ReportsRecorded reports;
    ASSERT_TRUE(reports.Applied()) << "MessageBoxW is not imported by name";
    CRecordingDialog dlg(IDD_FW_CLASSIC);
    std::vector<int> completed;
    ArmCommandHandlers(dlg, completed);
    ASSERT_TRUE(dlg.Create());

    EXPECT_EQ(dlg.SendMessage(WM_COMMAND, 50, 0), 0);
    ASSERT_EQ(g_reports.size(), 1u);
    EXPECT_EQ(g_reports[0], "A required resource was unavailable.");
    EXPECT_EQ(g_reportOwner, dlg.m_hWnd);

    dlg.SendMessage(WM_COMMAND, 51, 0);
    ASSERT_EQ(g_reports.size(), 2u);
    EXPECT_EQ(g_reports[1], "A required resource was unavailable.");

    // The window and its dispatch still work.
    dlg.SendMessage(WM_COMMAND, 52, 0);
    EXPECT_EQ(completed, std::vector<int>{52});
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_EQ(g_reports.size(), 2u);
    dlg.DestroyWindow();
}

TEST(FrameworkExceptions, MissingDdxControlIsReported)
{
    ReportsRecorded reports;
    ASSERT_TRUE(reports.Applied()) << "MessageBoxW is not imported by name";
    CRecordingDialog dlg(IDD_FW_CLASSIC);
    dlg.ddxControlId = 4321; // not in the template
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.m_edit.m_hWnd, nullptr);
    ASSERT_EQ(g_reports.size(), 1u);
    EXPECT_EQ(g_reports[0], "A required resource was unavailable.");
    dlg.DestroyWindow();
}

// The default report is a real message box: found on screen, read, closed.
struct BoxWatch {
    HWND dialog = nullptr;
    std::string text;
    bool found = false;
    int ticks = 0;
};
BoxWatch g_watch;

BOOL CALLBACK CollectChildText(HWND hWnd, LPARAM lParam)
{
    char text[256] = {};
    ::GetWindowTextA(hWnd, text, sizeof text);
    if (std::string(text).find("resource") != std::string::npos)
        *reinterpret_cast<std::string*>(lParam) = text;
    return TRUE;
}

BOOL CALLBACK FindBox(HWND hWnd, LPARAM)
{
    char className[32] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    if (hWnd == g_watch.dialog || std::string(className) != "#32770" || !::IsWindowVisible(hWnd))
        return TRUE;
    std::string text;
    ::EnumChildWindows(hWnd, &CollectChildText, reinterpret_cast<LPARAM>(&text));
    if (!text.empty()) {
        g_watch.text = text;
        g_watch.found = true;
        ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CloseAllButTheDialog(HWND hWnd, LPARAM)
{
    if (hWnd != g_watch.dialog)
        ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    return TRUE;
}

void CALLBACK WatchForBox(HWND, UINT, UINT_PTR, DWORD)
{
    if (!g_watch.found)
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, 0);
    // Never leave the test hanging on a box it cannot recognise.
    if (!g_watch.found && ++g_watch.ticks > 50)
        ::EnumThreadWindows(::GetCurrentThreadId(), &CloseAllButTheDialog, 0);
}

TEST(FrameworkExceptions, DefaultReportIsAMessageBox)
{
    CRecordingDialog dlg(IDD_FW_CLASSIC);
    std::vector<int> completed;
    ArmCommandHandlers(dlg, completed);
    ASSERT_TRUE(dlg.Create());
    g_watch = BoxWatch{};
    g_watch.dialog = dlg.m_hWnd;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &WatchForBox);
    dlg.SendMessage(WM_COMMAND, 50, 0); // returns when the box is closed
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(g_watch.found);
    EXPECT_EQ(g_watch.text, "A required resource was unavailable.");
    dlg.SendMessage(WM_COMMAND, 52, 0);
    EXPECT_EQ(completed, std::vector<int>{52});
    dlg.DestroyWindow();
}

} // namespace
