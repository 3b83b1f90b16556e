#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "tests/unit/framework/FrameworkTestIds.h"
#include "tests/unit/framework/RecordingWindows.h"

#include <gtest/gtest.h>

// Dialogs from both template formats through creation, the modal loop and
// the end of the dialog.

namespace {

constexpr UINT kTemplates[] = {IDD_FW_CLASSIC, IDD_FW_EXTENDED};

TEST(FrameworkDialog, PreSubclassWindowComesBeforeCreationSizeAndInitDialog)
{
    for (UINT id : kTemplates) {
        SCOPED_TRACE(id);
        CRecordingDialog dlg(id);
        bool noFrameAtInit = false;
        dlg.onInit = [&](CRecordingDialog& d) {
            RECT window{};
            RECT client{};
            d.GetWindowRect(&window);
            d.GetClientRect(&client);
            noFrameAtInit = window.right - window.left == client.right && window.bottom - window.top == client.bottom;
            d.EndDialog(5);
        };
        EXPECT_EQ(dlg.DoModal(), 5);

        ASSERT_FALSE(dlg.events.empty());
        EXPECT_EQ(dlg.events[0], "PreSubclassWindow");
        EXPECT_EQ(dlg.messagesBeforePreSubclass, 0);
        const int size = IndexOf(dlg.messages, static_cast<UINT>(WM_SIZE));
        const int init = IndexOf(dlg.messages, static_cast<UINT>(WM_INITDIALOG));
        EXPECT_GE(IndexOf(dlg.messages, static_cast<UINT>(WM_NCCREATE)), 0) << "creation messages missed";
        ASSERT_GE(size, 0) << "the creation WM_SIZE did not reach the dialog's tables";
        EXPECT_LT(size, init);
        EXPECT_LT(IndexOf(dlg.events, std::string("OnSize")), IndexOf(dlg.events, std::string("OnInitDialog")));

        // The style change made while binding is what the window was
        // created with: no caption, no border, client = window.
        EXPECT_NE(dlg.styleRemovedAtSubclass & WS_CAPTION, 0u);
        EXPECT_TRUE(noFrameAtInit);
    }
}

TEST(FrameworkDialog, DoModalReturnsTheEndDialogCode)
{
    for (UINT id : kTemplates) {
        SCOPED_TRACE(id);
        CRecordingDialog dlg(id);
        bool visibleInLoop = false;
        dlg.onInit = [](CRecordingDialog& d) { d.PostMessage(WM_APP, 0, 0); };
        dlg.onApp = [&](CRecordingDialog& d, UINT, WPARAM) {
            visibleInLoop = d.IsWindowVisible() != FALSE;
            d.EndDialog(1234);
        };
        EXPECT_EQ(dlg.DoModal(), 1234);
        EXPECT_TRUE(visibleInLoop) << "a template without WS_VISIBLE must still be shown";
        EXPECT_EQ(dlg.m_hWnd, nullptr) << "the window outlived DoModal";
    }
    CRecordingDialog missing(IDD_FW_MISSING);
    EXPECT_EQ(missing.DoModal(), -1);
}

// Enter gives IDOK, Escape and WM_CLOSE give IDCANCEL, all through the
// derived OnCommand and then the base's OnOK / OnCancel.
TEST(FrameworkDialog, EnterEscapeAndCloseEndTheDialog)
{
    struct Case {
        const char* name;
        void (*post)(CRecordingDialog&);
        INT_PTR expected;
        const char* handler;
    };
    const Case cases[] = {
        {"Enter",
         [](CRecordingDialog& d) { ::PostMessageA(d.m_edit.m_hWnd, WM_KEYDOWN, VK_RETURN, 0x001C0001); },
         IDOK,
         "OnOK"},
        {"Escape",
         [](CRecordingDialog& d) { ::PostMessageA(d.m_edit.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001); },
         IDCANCEL,
         "OnCancel"},
        {"WM_CLOSE", [](CRecordingDialog& d) { d.PostMessage(WM_CLOSE); }, IDCANCEL, "OnCancel"},
    };
    for (UINT id : kTemplates) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " in template " + std::to_string(id));
            CRecordingDialog dlg(id);
            dlg.onInit = [&](CRecordingDialog& d) { c.post(d); };
            EXPECT_EQ(dlg.DoModal(), c.expected);
            const int command = IndexOf(dlg.events, "OnCommand " + std::to_string(c.expected));
            const int handler = IndexOf(dlg.events, std::string(c.handler));
            EXPECT_GE(command, 0);
            EXPECT_GT(handler, command);
        }
    }
}

TEST(FrameworkDialog, OwnerIsDisabledWhileTheDialogRuns)
{
    CRecordingDialog owner(IDD_FW_CLASSIC);
    owner.bindEdit = false;
    ASSERT_TRUE(owner.Create());
    CRecordingDialog dlg(IDD_FW_EXTENDED, &owner);
    BOOL ownerEnabledInside = TRUE;
    HWND ownerOfDialog = nullptr;
    dlg.onInit = [&](CRecordingDialog& d) {
        ownerEnabledInside = ::IsWindowEnabled(owner.m_hWnd);
        ownerOfDialog = ::GetWindow(d.m_hWnd, GW_OWNER);
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_EQ(ownerOfDialog, owner.m_hWnd);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    owner.DestroyWindow();
}

// The main window's hot key is posted to it while another modal dialog runs
// its own loop: the walk from the target reaches the main window's
// PreTranslateMessage. Keys of the other dialog do not.
TEST(FrameworkDialog, MainWindowSeesItsHotKeyDuringANestedModalLoop)
{
    CWinApp app;
    CRecordingDialog mainDlg(IDD_FW_CLASSIC);
    CRecordingDialog nested(IDD_FW_EXTENDED);
    app.m_pMainWnd = &mainDlg;

    bool hotKeySeenByMain = false;
    bool nestedRunningAtHotKey = false;
    bool mainDisabledAtHotKey = false;
    bool nestedSawHotKey = false;
    bool mainSawNestedKey = false;
    INT_PTR nestedResult = 0;
    HWND handles[2] = {};

    mainDlg.onInit = [&](CRecordingDialog& d) {
        handles[0] = d.m_hWnd;
        d.PostMessage(WM_APP + 1);
    };
    mainDlg.onApp = [&](CRecordingDialog& d, UINT message, WPARAM) {
        if (message != WM_APP + 1)
            return;
        nestedResult = nested.DoModal();
        d.EndDialog(IDOK);
    };
    mainDlg.onPreTranslate = [&](CRecordingDialog& d, MSG* pMsg) -> BOOL {
        if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == nested.m_edit.m_hWnd)
            mainSawNestedKey = true;
        if (pMsg->message == WM_HOTKEY && pMsg->wParam == 0x4242) {
            hotKeySeenByMain = true;
            nestedRunningAtHotKey = nested.m_hWnd != nullptr && nested.IsWindowVisible();
            mainDisabledAtHotKey = !::IsWindowEnabled(d.m_hWnd);
            nested.EndDialog(77);
            return TRUE;
        }
        return FALSE;
    };
    nested.onInit = [&](CRecordingDialog& d) {
        handles[1] = d.m_hWnd;
        ::PostMessageA(d.m_edit.m_hWnd, WM_KEYDOWN, 'A', 0x001E0001);
        mainDlg.PostMessage(WM_HOTKEY, 0x4242, MAKELPARAM(MOD_CONTROL, 'C'));
    };
    nested.onPreTranslate = [&](CRecordingDialog&, MSG* pMsg) -> BOOL {
        if (pMsg->message == WM_HOTKEY)
            nestedSawHotKey = true;
        return FALSE;
    };

    EXPECT_EQ(mainDlg.DoModal(), IDOK);
    EXPECT_EQ(nestedResult, 77);
    EXPECT_TRUE(hotKeySeenByMain);
    EXPECT_TRUE(nestedRunningAtHotKey);
    EXPECT_TRUE(mainDisabledAtHotKey) << "the nested dialog did not disable its owner, the main window";
    EXPECT_FALSE(nestedSawHotKey);
    EXPECT_FALSE(mainSawNestedKey) << "a key of the nested dialog went to the main window";
    for (HWND handle : handles)
        EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr) << "a dialog stayed in the handle map";
}

TEST(FrameworkDialog, DdxControlBindsTheTemplatesControl)
{
    for (UINT id : kTemplates) {
        SCOPED_TRACE(id);
        CRecordingDialog dlg(id);
        HWND templateEdit = nullptr;
        bool boundToObject = false;
        CString textBack;
        dlg.onInit = [&](CRecordingDialog& d) {
            templateEdit = ::GetDlgItem(d.m_hWnd, IDC_FW_EDIT);
            boundToObject = CWnd::FromHandlePermanent(templateEdit) == &d.m_edit;
            d.m_edit.messages.clear();
            d.m_edit.SetWindowText("320");
            d.m_edit.GetWindowText(textBack);
            // A second exchange finds the control bound and keeps it.
            EXPECT_TRUE(d.UpdateData());
            d.EndDialog(IDOK);
        };
        EXPECT_EQ(dlg.DoModal(), IDOK);
        ASSERT_NE(templateEdit, nullptr);
        EXPECT_TRUE(boundToObject);
        EXPECT_EQ(dlg.m_edit.messagesBeforePreSubclass, 0);
        EXPECT_GE(IndexOf(dlg.m_edit.messages, static_cast<UINT>(WM_SETTEXT)), 0)
            << "messages to the control bypass its object";
        EXPECT_STREQ(textBack, "320") << "the edit's own procedure was not reached";
        EXPECT_EQ(dlg.m_edit.m_hWnd, nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(templateEdit), nullptr) << "the control stayed in the handle map";
    }
}

// The button paints through the platform: WM_PAINT in the button, its
// WM_DRAWITEM to the parent, passed back to the button's DrawItem before the
// parent's own table sees it.
TEST(FrameworkDialog, DrawItemReachesTheOwnerDrawnButton)
{
    CRecordingDialog dlg(IDD_FW_CLASSIC);
    CRecordingButton button;
    button.log = &dlg.events;
    dlg.onInit = [&](CRecordingDialog& d) {
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, RECT{0, 0, 40, 20}, &d, 7001));
        d.PostMessage(WM_APP);
    };
    std::size_t drawsBeforeRedraw = 0;
    dlg.onApp = [&](CRecordingDialog& d, UINT, WPARAM) {
        drawsBeforeRedraw = button.draws.size();
        button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_GT(button.draws.size(), drawsBeforeRedraw);
    ASSERT_FALSE(button.draws.empty());
    const DRAWITEMSTRUCT& dis = button.draws.back();
    EXPECT_EQ(dis.CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(dis.CtlID, 7001u);
    EXPECT_NE(dis.hDC, nullptr);
    EXPECT_GE(IndexOf(dlg.messages, static_cast<UINT>(WM_DRAWITEM)), 0);
    EXPECT_EQ(IndexOf(dlg.events, std::string("dialog table WM_DRAWITEM")), -1);
    EXPECT_EQ(button.m_hWnd, nullptr);
}

} // namespace
