#include "app/GdiplusLibrary.h"

#include "framework/ProcAddress.h"

namespace {

template <typename Fn>
bool BindFunction(HMODULE module, const char* name, Fn* pFn)
{
    *pFn = ProcAddress<Fn>(module, name);
    return *pFn != nullptr;
}

} // namespace

// Bound once, on the GUI thread, by the first save; a failed attempt is
// repeated by the next one.
const GdiplusLibrary* GdiplusLibrary::Get()
{
    static GdiplusLibrary library;
    static bool bound = false;
    if (!bound) {
        HMODULE module = LoadLibraryA("gdiplus.dll");
        bound = module != nullptr && library.Bind(module);
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
