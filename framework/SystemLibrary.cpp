#include "framework/SystemLibrary.h"

#include <string>

HMODULE LoadSystemLibrary(const wchar_t* fileName)
{
    HMODULE module = LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Windows 7 without its update KB2533623 refuses the flag: name the file
    // in the system folder instead.
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length > 0 && length < MAX_PATH)
            module = LoadLibraryW((std::wstring(folder, length) + L"\\" + fileName).c_str());
    }
    return module;
}
