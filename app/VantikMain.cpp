#include "app/CCaptureFrameApp.h"

// The one application object; the framework's program entry runs it.
CCaptureFrameApp theApp;
