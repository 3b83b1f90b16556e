#include "framework/CButton.h"
#include "framework/CImageList.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWindowDC.h"
#include "tests/unit/framework/FrameworkTestIds.h"
#include "tests/unit/PixelTestSupport.h"
#include "tests/unit/framework/RecordingWindows.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <string>

namespace {

// The test program's manifest asks for common controls 6, as the
// program's does; the loaded comctl32 must be the side-by-side version 6.
// (Wine's version 6 module still answers 5.81 to DllGetVersion, so the
// module's location is what tells.)
TEST(FrameworkControls, CommonControlsSixAreBound)
{
    InitCommonControls();
    HMODULE comctl = ::GetModuleHandleA("comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(comctl, path, MAX_PATH);
    std::string lower(path);
    for (char& c : lower)
        c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(lower.find("microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::string::npos)
        << "comctl32 loaded from " << path;
}

// The tooltip as the skinned buttons use it: created with the button as
// parent and a child style, registered with the button as its tool.
TEST(FrameworkControls, ToolTipRegistersItsToolByHandle)
{
    InitCommonControls();
    CRecordingDialog dlg(IDD_FW_CLASSIC);
    dlg.bindEdit = false;
    ASSERT_TRUE(dlg.Create(IDD_FW_CLASSIC));
    CButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, RECT{10, 10, 60, 30}, &dlg, 7560));

    HWND tipHandle = nullptr;
    {
        CToolTipCtrl tip;
        ASSERT_TRUE(tip.Create(&button, 0x50000001)); // WS_CHILD | WS_VISIBLE | TTS_ALWAYSTIP
        tipHandle = tip.m_hWnd;
        EXPECT_EQ(CWnd::FromHandlePermanent(tipHandle), &tip);
        EXPECT_NE(tip.GetStyle() & WS_POPUP, 0u);
        EXPECT_EQ(::GetAncestor(tipHandle, GA_PARENT), ::GetDesktopWindow()) << "the tip is not a popup";
        EXPECT_EQ(::GetWindow(tipHandle, GW_OWNER), dlg.m_hWnd);

        tip.SetDelayTime(TTDT_INITIAL, 100);
        EXPECT_EQ(tip.SendMessage(TTM_GETDELAYTIME, TTDT_INITIAL), 100);

        ASSERT_TRUE(tip.AddTool(&button, "\xB9\xD8\xB1\xD5")); // "关闭"
        EXPECT_EQ(tip.GetToolCount(), 1);
        TOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        ASSERT_TRUE(tip.SendMessage(TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&ti)));
        EXPECT_NE(ti.uFlags & TTF_IDISHWND, 0u);
        EXPECT_EQ(ti.uId, reinterpret_cast<UINT_PTR>(button.m_hWnd));
        EXPECT_EQ(ti.hwnd, dlg.m_hWnd);

        CString text;
        tip.GetText(text, &button);
        EXPECT_EQ(text, "\xB9\xD8\xB1\xD5");
        tip.UpdateTipText("", &button);
        tip.GetText(text, &button);
        EXPECT_TRUE(text.IsEmpty());
        tip.UpdateTipText("\xBD\xD8\xCD\xBC", &button); // "截图"
        tip.GetText(text, &button);
        EXPECT_EQ(text, "\xBD\xD8\xCD\xBC");
    }
    EXPECT_FALSE(::IsWindow(tipHandle)) << "the tooltip object left its window behind";
    dlg.DestroyWindow();
    EXPECT_EQ(CWnd::GetHandleMapCount(), 0u);
}

TEST(FrameworkControls, ImageListDrawsItsImages)
{
    InitCommonControls();
    const std::vector<COLORREF> red(16 * 16, RGB(200, 0, 0));
    CBitmap bitmap = MakeBitmap(16, 16, red);
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 1, 1));
    EXPECT_EQ(images.Add(&bitmap, CLR_NONE), 0);
    EXPECT_EQ(images.GetImageCount(), 1);

    // Moving hands the list over; the moved-from object holds nothing.
    CImageList owner(std::move(images));
    EXPECT_EQ(images.GetSafeHandle(), nullptr);
    EXPECT_FALSE(images.Draw(nullptr, 0, POINT{0, 0}, ILD_NORMAL));

    MemoryCanvas canvas(40, 40, RGB(255, 255, 255));
    ASSERT_TRUE(owner.Draw(&canvas.dc, 0, POINT{10, 12}, ILD_NORMAL));
    EXPECT_EQ(canvas.dc.GetPixel(10, 12), RGB(200, 0, 0));
    EXPECT_EQ(canvas.dc.GetPixel(25, 27), RGB(200, 0, 0));
    EXPECT_EQ(canvas.dc.GetPixel(26, 27), RGB(255, 255, 255));
    EXPECT_EQ(canvas.dc.GetPixel(9, 12), RGB(255, 255, 255));
}

} // namespace
