#pragma once

#include <windows.h>

class CWnd;

// The application. The program defines exactly one object of a class
// derived from CWinApp, with static storage duration; the program entry
// (WinMain, in the framework) finds it and runs InitInstance, which runs the
// program's main window modally; then the process ends with ExitInstance's
// result.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // Returns the process exit code.
    virtual int ExitInstance();

    // The main window: where pre-translation of queued messages stops, and
    // the owner of dialogs that are given no parent.
    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
// Where resources (templates, bitmaps, icons) are loaded from: the program
// module.
HINSTANCE AfxGetResourceHandle();

// The program entry's work, callable on its own (WinMain only forwards).
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
