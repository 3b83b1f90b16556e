#include "framework/CButton.h"
#include "framework/CToolTipCtrl.h"
#include "tests/unit/ToolTipText.h"
#include "tests/unit/framework/FrameworkTestIds.h"
#include "tests/unit/framework/RecordingWindows.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

// The tooltip as the skinned buttons use it: created with the button as
// parent and a child style, registered with the button as its tool.
TEST(FrameworkControls, ToolTipRegistersItsToolByHandle)
{
    InitCommonControls();
    CRecordingDialog dlg(IDD_FW_CLASSIC);
    dlg.bindEdit = false;
    ASSERT_TRUE(dlg.Create());
    CButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, RECT{10, 10, 60, 30}, &dlg, 7560));

    HWND tipHandle = nullptr;
    {
        CToolTipCtrl tip;
        ASSERT_TRUE(tip.Create(&button, 0x50000001)); // WS_CHILD | WS_VISIBLE | TTS_ALWAYSTIP
        tipHandle = tip.m_hWnd;
        EXPECT_EQ(CWnd::FromHandlePermanent(tipHandle), &tip);
        EXPECT_EQ(::GetAncestor(tipHandle, GA_PARENT), ::GetDesktopWindow()) << "the tip is not a popup";
        EXPECT_EQ(::GetWindow(tipHandle, GW_OWNER), dlg.m_hWnd);

        ASSERT_TRUE(tip.AddTool(&button, "\xB9\xD8\xB1\xD5")); // "关闭"
        EXPECT_EQ(tip.SendMessage(TTM_GETTOOLCOUNT), 1);
        TOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        ASSERT_TRUE(tip.SendMessage(TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&ti)));
        EXPECT_NE(ti.uFlags & TTF_IDISHWND, 0u);
        EXPECT_EQ(ti.uId, reinterpret_cast<UINT_PTR>(button.m_hWnd));
        EXPECT_EQ(ti.hwnd, dlg.m_hWnd);

        EXPECT_EQ(ToolTipText(tip, button), "\xB9\xD8\xB1\xD5");
        tip.UpdateTipText("", &button);
        EXPECT_EQ(ToolTipText(tip, button), "");
        tip.UpdateTipText("\xBD\xD8\xCD\xBC", &button); // "截图"
        EXPECT_EQ(ToolTipText(tip, button), "\xBD\xD8\xCD\xBC");
    }
    EXPECT_FALSE(::IsWindow(tipHandle)) << "the tooltip object left its window behind";
    EXPECT_EQ(CWnd::FromHandlePermanent(tipHandle), nullptr);
    const HWND buttonHandle = button.m_hWnd;
    dlg.DestroyWindow();
    EXPECT_EQ(CWnd::FromHandlePermanent(buttonHandle), nullptr);
}

} // namespace
