#pragma once

#include <windows.h>

class CWnd;

// The application. The program defines exactly one object of a class
// derived from CWinApp, with static storage duration; the program entry
// (WinMain, in the framework) finds it and runs it:
//   InitInstance; if it returns FALSE, ExitInstance and the process ends
//   with ExitInstance's result; otherwise Run (a message loop until WM_QUIT,
//   then ExitInstance).
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // Returns the process exit code.
    virtual int ExitInstance();
    virtual int Run();

    // The main window: where pre-translation of queued messages stops, and
    // the owner of dialogs that are given no parent.
    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    // Where resources (templates, bitmaps, icons) are loaded from; the
    // program module unless set otherwise.
    HINSTANCE m_hResource = nullptr;

protected:
    // wParam of the WM_QUIT that ended Run.
    int m_nQuitCode = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hResource);

// The program entry's work, callable on its own (WinMain only forwards).
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
