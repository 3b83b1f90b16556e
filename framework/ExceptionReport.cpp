#include "framework/ExceptionReport.h"

#include "framework/CException.h"
#include "framework/GbkText.h"

#include <new>
#include <string>

namespace {

// Caption of the box: the program's file name without its extension. Wide,
// so that a name outside the system's code page shows as it is.
std::wstring ProgramName()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    const std::size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    const std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos)
        name.erase(dot);
    return name;
}

void ShowMessageBox(HWND hWndOwner, const char* pszText)
{
    ::MessageBoxW(hWndOwner, WideFromGbk(pszText).c_str(), ProgramName().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

void ReportCurrentException(HWND hWndFailed)
{
    const char* text = "An unexpected error occurred.";
    try {
        throw;
    } catch (const CException& e) {
        text = e.what();
    } catch (const std::bad_alloc&) {
        text = "Out of memory.";
    } catch (...) {
    }
    HWND owner = hWndFailed != nullptr && ::IsWindow(hWndFailed) ? ::GetAncestor(hWndFailed, GA_ROOT) : nullptr;
    ShowMessageBox(owner, text);
}
