#include "framework/CWinApp.h"
#include "framework/CWnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The program entry: InitInstance, then ExitInstance at once when it
// returns FALSE, or the message loop until WM_QUIT and then ExitInstance.

namespace {

class CTestApp : public CWinApp {
public:
    BOOL initResult = FALSE;
    bool quitInInit = false;
    int exitCode = 0;
    std::vector<std::string> events;

    BOOL InitInstance() override
    {
        events.push_back("InitInstance");
        if (quitInInit)
            ::PostQuitMessage(9);
        return initResult;
    }
    int ExitInstance() override
    {
        events.push_back("ExitInstance");
        const int fromBase = CWinApp::ExitInstance();
        return exitCode != 0 ? exitCode : fromBase;
    }
};

TEST(FrameworkApp, InitInstanceFalseEndsWithoutAMessageLoop)
{
    CTestApp app;
    app.exitCode = 3;
    EXPECT_EQ(AfxGetApp(), &app);
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_APP + 7, 0, 0);

    HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    EXPECT_EQ(AfxWinMain(hInstance, nullptr, const_cast<char*>(""), SW_SHOWNORMAL), 3);
    EXPECT_EQ(app.events, (std::vector<std::string>{"InitInstance", "ExitInstance"}));
    EXPECT_EQ(app.m_hInstance, hInstance);
    EXPECT_EQ(AfxGetInstanceHandle(), hInstance);
    EXPECT_EQ(AfxGetResourceHandle(), hInstance);

    MSG msg{};
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_APP + 7, WM_APP + 7, PM_REMOVE))
        << "a message loop ran although InitInstance returned FALSE";
}

TEST(FrameworkApp, InitInstanceTrueRunsUntilQuit)
{
    CTestApp app;
    app.initResult = TRUE;
    app.quitInInit = true;
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL), 9);
    EXPECT_EQ(app.events, (std::vector<std::string>{"InitInstance", "ExitInstance"}));
}

TEST(FrameworkApp, OnlyTheLiveApplicationIsFound)
{
    {
        CTestApp app;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(AfxGetMainWnd(), nullptr);
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandleA(nullptr));
}

} // namespace
