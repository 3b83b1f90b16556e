#include "app/CCaptureFrameApp.h"

#include "app/CCaptureFrameDlg.h"

#include <commctrl.h>

BOOL CCaptureFrameApp::InitInstance()
{
    InitCommonControls();
    CWinApp::InitInstance();

    CCaptureFrameDlg dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of our own: the process ends.
    return FALSE;
}
