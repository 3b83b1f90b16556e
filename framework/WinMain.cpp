#include "framework/CWinApp.h"

// The program entry of a GUI program built on the framework. It lives in a
// file of its own so that the linker takes it only for programs that define
// no WinMain themselves.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
