#include "framework/CWinApp.h"
#include "framework/CWnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The program entry: InitInstance, then ExitInstance at once; no message
// loop of the framework's runs after the program's own.

namespace {

class CTestApp : public CWinApp {
public:
    int exitCode = 0;
    std::vector<std::string> events;

    BOOL InitInstance() override
    {
        events.push_back("InitInstance");
        return FALSE;
    }
    int ExitInstance() override
    {
        events.push_back("ExitInstance");
        return exitCode;
    }
};

TEST(FrameworkApp, TheProgramEndsAfterInitInstanceWithoutAMessageLoop)
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
        << "a message loop ran after InitInstance";
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
