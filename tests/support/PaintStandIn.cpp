// A stand-in for Paint in the test prefix, installed as mspaint.exe: it
// appends the command line it was started with to a log file and exits, so a
// test can tell that Paint was started and with which parameters.
// The log is the file named by VANTIK_PAINT_LOG, or C:\mspaint-stand-in.log.
// The command line is the wide one, written in UTF-8, so that a path named
// outside the ANSI code page is logged as it was passed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Utf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], size, nullptr, nullptr);
    utf8.pop_back();
    return utf8;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const wchar_t* path = _wgetenv(L"VANTIK_PAINT_LOG");
    if (path == nullptr || *path == L'\0')
        path = L"C:\\mspaint-stand-in.log";
    std::FILE* log = _wfopen(path, L"ab");
    if (log == nullptr)
        return 1;
    std::fprintf(log, "%s\n", Utf8(GetCommandLineW()).c_str());
    std::fclose(log);
    return 0;
}
