#include "framework/CWinApp.h"
#include "framework/ProcAddress.h"

namespace {

// DLLs loaded by bare name are searched for in the system folder only, not
// beside the program: programs are often run from a downloads folder, where
// a planted DLL of a system name would otherwise run inside this process.
// Looked up at run time: Windows 7 has the function only with its update
// KB2533623, and without it the default search stays as it was.
void KeepTheProgramsFolderOutOfDllSearch()
{
    const auto setDefaultDllDirectories = ProcAddress<decltype(&::SetDefaultDllDirectories)>(
        GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories != nullptr)
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace

// The program entry of a GUI program built on the framework. It lives in a
// file of its own so that the linker takes it only for programs that define
// no WinMain themselves.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd)
{
    KeepTheProgramsFolderOutOfDllSearch();
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nShowCmd);
}
