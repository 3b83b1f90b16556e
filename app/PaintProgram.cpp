#include "app/PaintProgram.h"

#include "app/OutputPath.h"
#include "framework/ProcAddress.h"
#include "framework/SystemLibrary.h"

#include <windows.h>

#include <knownfolders.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

const wchar_t* const kPaintName = L"mspaint.exe";
const wchar_t* const kAppPathsKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\mspaint.exe";

bool IsFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// A drive path (C:\...) or a UNC path (\\server\...); nothing the shell
// would look for along a search path.
bool IsAbsolute(const std::wstring& path)
{
    const bool drive = path.size() > 2 && path[1] == L':' && path[2] == L'\\';
    return drive || path.compare(0, 2, L"\\\\") == 0;
}

std::wstring SystemFolderPaint()
{
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::wstring(folder) + L'\\' + kPaintName;
}

// Windows 11's Paint is a Store app: what starts it is the per-user app
// execution alias in the user's local application data, a zero-byte
// reparse point that is a file to GetFileAttributesW and that the shell
// starts. The folder's name comes from the shell, not from an environment
// variable that whoever starts Vantik may have changed. COM's allocator,
// which frees it, is bound at run time so that a start does not load ole32.
std::wstring AppExecutionAliasPaint()
{
    HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
    const auto freeMemory = ProcAddress<decltype(&::CoTaskMemFree)>(ole32, "CoTaskMemFree");
    if (freeMemory == nullptr)
        return {};
    PWSTR folder = nullptr;
    std::wstring path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &folder)) && folder != nullptr)
        path = std::wstring(folder) + L"\\Microsoft\\WindowsApps\\" + kPaintName;
    freeMemory(folder);
    return path;
}

// The key's default value in one view of the registry, environment
// variables expanded and the quotes some installers put around it removed.
std::wstring RegisteredPaint(HKEY root, REGSAM view)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, kAppPathsKey, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
        return {};
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof(value);
    // A REG_EXPAND_SZ value comes expanded, as REG_SZ.
    const LSTATUS status = RegGetValueW(key, nullptr, nullptr, RRF_RT_REG_SZ, nullptr, value, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return {};
    std::wstring path = value;
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        path = path.substr(1, path.size() - 2);
    return path;
}

bool IsExistingAbsoluteFile(const std::wstring& path) { return IsAbsolute(path) && IsFile(path); }

} // namespace

std::wstring PaintProgramPath()
{
    std::wstring system = SystemFolderPaint();
    if (IsExistingAbsoluteFile(system))
        return system;
    std::wstring alias = AppExecutionAliasPaint();
    if (IsExistingAbsoluteFile(alias))
        return alias;
    // The shell's own order: the user's registration before the machine's.
    // The machine's is read in the 64-bit view first, where Windows
    // registers its own Paint: a 32-bit Vantik on 64-bit Windows would
    // otherwise see only the 32-bit view.
    const struct {
        HKEY root;
        REGSAM view;
    } registrations[] = {{HKEY_CURRENT_USER, 0}, {HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY}, {HKEY_LOCAL_MACHINE, 0}};
    for (const auto& r : registrations) {
        std::wstring registered = RegisteredPaint(r.root, r.view);
        if (IsExistingAbsoluteFile(registered))
            return registered;
    }
    return {};
}

bool OpenInPaint(const std::wstring& file)
{
    const std::wstring paint = PaintProgramPath();
    if (paint.empty())
        return false;
    const std::wstring parameters = PaintParameters(file);
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", paint.c_str(), parameters.c_str(), L"", SW_SHOW);
    // Above 32 is success; the lower values are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}
