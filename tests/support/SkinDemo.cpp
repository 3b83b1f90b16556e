// skindemo.exe: a skinned dialog on its own, for the journeys to drag,
// resize, maximise and look at. With VANTIK_SKIN_LOG naming a file, every
// change of the cursor the dialog sets is written to it, one name a line
// (X cursors cannot be read back from outside).
#include "framework/CWinApp.h"
#include "tests/support/SkinDemoDialog.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace {

class CSkinDemoApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        InitCommonControls();
        std::FILE* log = nullptr;
        if (const char* path = std::getenv("VANTIK_SKIN_LOG"))
            log = std::fopen(path, "w");
        CSkinDemoDialog dlg;
        dlg.cursorLog = log;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        m_pMainWnd = nullptr;
        if (log != nullptr)
            std::fclose(log);
        return FALSE;
    }
};

CSkinDemoApp theApp;

} // namespace
