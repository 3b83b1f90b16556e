#include "framework/ExceptionReport.h"

#include "framework/CException.h"

#include <new>

namespace {

// Caption of the box: the program's file name without its extension.
void ShowMessageBox(HWND hWndOwner, const char* pszText)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const char* name = path;
    for (const char* p = path; *p != '\0'; p = ::CharNextA(p)) {
        if (*p == '\\' || *p == '/')
            name = p + 1;
    }
    char caption[MAX_PATH] = {};
    lstrcpynA(caption, name, MAX_PATH);
    if (char* dot = strrchr(caption, '.'))
        *dot = '\0';
    ::MessageBoxA(hWndOwner, pszText, caption, MB_OK | MB_ICONEXCLAMATION);
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
    HWND owner = hWndFailed != nullptr && ::IsWindow(hWndFailed)
                     ? ::GetAncestor(hWndFailed, GA_ROOT) : nullptr;
    ShowMessageBox(owner, text);
}
