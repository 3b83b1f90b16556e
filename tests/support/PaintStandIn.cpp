// A stand-in for Paint in the test prefix, installed as mspaint.exe: it
// appends the command line it was started with to a log file and exits, so a
// test can tell that Paint was started and with which parameters.
// The log is the file named by VANTIK_PAINT_LOG, or C:\mspaint-stand-in.log.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const char* path = std::getenv("VANTIK_PAINT_LOG");
    if (path == nullptr || *path == '\0')
        path = "C:\\mspaint-stand-in.log";
    std::FILE* log = std::fopen(path, "ab");
    if (log == nullptr)
        return 1;
    std::fprintf(log, "%s\n", GetCommandLineA());
    std::fclose(log);
    return 0;
}
