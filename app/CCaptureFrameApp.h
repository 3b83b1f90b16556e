#pragma once

#include "framework/CWinApp.h"

// The program: runs the capture frame as its main window and ends when the
// frame closes.
class CCaptureFrameApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
