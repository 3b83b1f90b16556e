// Keeps the desktop of the rig's Wine session in use for as long as the
// session lives. Wine closes the desktop, and its explorer.exe with it, about
// a second after the last program using it has gone; the next program then
// launches a new explorer.exe, which inherits that program's output and holds
// it open while the desktop stays busy, so a test that had long finished
// seemed to hang. Started by the rig with no output before any test, this
// program owns the session's one explorer.exe and outlives every test;
// `wineserver -k` ends it. Its argument is a file it creates once the desktop
// is up.
#include <windows.h>

int main(int argc, char** argv)
{
    // Connecting to the desktop starts explorer.exe and waits for it.
    if (GetDesktopWindow() == nullptr)
        return 1;
    if (argc > 1) {
        HANDLE ready = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (ready != INVALID_HANDLE_VALUE)
            CloseHandle(ready);
    }
    Sleep(INFINITE);
    return 0;
}
