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
        // The border press sizes the dialog through its own polled resize
        // only, as on Windows, which runs no sizing loop for a window without
        // a sizing border. Wine runs one; beside the polled resize the two
        // size the window by different rules (Wine keeps a left or top border
        // a pixel short of the minimum), and whichever moved it last wins.
        skindemo::Options options;
        options.platformSizesBorders = false;
        CSkinDemoDialog dlg(options);
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
