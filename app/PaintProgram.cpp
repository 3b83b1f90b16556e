#include "app/PaintProgram.h"

#include "app/OutputPath.h"

#include <windows.h>

#include <shellapi.h>

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

// The key's default value, environment variables expanded and the quotes
// some installers put around it removed.
std::wstring RegisteredPaint(HKEY root)
{
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof(value);
    // A REG_EXPAND_SZ value comes expanded, as REG_SZ.
    if (RegGetValueW(root, kAppPathsKey, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return {};
    std::wstring path = value;
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        path = path.substr(1, path.size() - 2);
    return path;
}

} // namespace

std::wstring PaintProgramPath()
{
    std::wstring system = SystemFolderPaint();
    if (!system.empty() && IsFile(system))
        return system;
    // The shell's own order: the user's registration before the machine's.
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        std::wstring registered = RegisteredPaint(root);
        if (IsAbsolute(registered) && IsFile(registered))
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
