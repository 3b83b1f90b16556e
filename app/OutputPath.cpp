#include "app/OutputPath.h"

#include <windows.h>

std::wstring BuildOutputPath(const wchar_t* pszTempFolder)
{
    std::wstring path = pszTempFolder != nullptr ? pszTempFolder : L"";
    const size_t kept = path.find_last_not_of(L'\\');
    path.erase(kept == std::wstring::npos ? 0 : kept + 1);
    path += L'\\';
    path += kOutputFileName;
    return path;
}

std::wstring CurrentOutputPath()
{
    wchar_t buffer[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, buffer);
    return BuildOutputPath(buffer);
}

std::wstring PaintParameters(const std::wstring& path) { return L"\"" + path + L"\""; }
