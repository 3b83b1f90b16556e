#include "app/GdiplusLibrary.h"

#include "framework/ProcAddress.h"

#include <string>

namespace {

template <typename Fn>
bool BindFunction(HMODULE module, const char* name, Fn* pFn)
{
    *pFn = ProcAddress<Fn>(module, name);
    return *pFn != nullptr;
}

} // namespace

HMODULE GdiplusLibrary::LoadFromSystemFolder()
{
    HMODULE module = LoadLibraryExA("gdiplus.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Windows 7 without its update KB2533623 refuses the flag: name the file
    // in the system folder instead.
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        char folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
        if (length > 0 && length < MAX_PATH)
            module = LoadLibraryA((std::string(folder, length) + "\\gdiplus.dll").c_str());
    }
    return module;
}

// Bound once, on the GUI thread, by the first save; a failed attempt is
// repeated by the next one, and lets go of the library it loaded.
const GdiplusLibrary* GdiplusLibrary::Get()
{
    static GdiplusLibrary library;
    static bool bound = false;
    if (!bound) {
        HMODULE module = LoadFromSystemFolder();
        bound = module != nullptr && library.Bind(module);
        if (module != nullptr && !bound)
            FreeLibrary(module);
    }
    return bound ? &library : nullptr;
}

bool GdiplusLibrary::Bind(HMODULE module)
{
    return BindFunction(module, "GdiplusStartup", &Startup) && BindFunction(module, "GdiplusShutdown", &Shutdown) &&
           BindFunction(module, "GdipGetImageEncodersSize", &GetImageEncodersSize) &&
           BindFunction(module, "GdipGetImageEncoders", &GetImageEncoders) &&
           BindFunction(module, "GdipCreateBitmapFromHBITMAP", &CreateBitmapFromHBITMAP) &&
           BindFunction(module, "GdipSaveImageToFile", &SaveImageToFile) &&
           BindFunction(module, "GdipDisposeImage", &DisposeImage);
}
