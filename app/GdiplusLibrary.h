#pragma once

#include <windows.h>

#include <gdiplus.h>

// The GDI+ flat functions the program calls, bound when the first capture
// needs them rather than at program start: loading gdiplus.dll pulls in the
// COM libraries, which made start-up about 40 ms slower, and the frame shows
// no image until a capture. The library stays loaded once bound; GDI+ itself
// is still started and shut down around every save.
class GdiplusLibrary {
public:
    // The bound functions, or null when gdiplus.dll or one of them cannot
    // be had (then every GDI+ step fails as if GDI+ could not be started).
    static const GdiplusLibrary* Get();
    // gdiplus.dll from the system folder, never one lying beside the
    // program; null when it cannot be loaded.
    static HMODULE LoadFromSystemFolder();

    decltype(&Gdiplus::GdiplusStartup) Startup = nullptr;
    decltype(&Gdiplus::GdiplusShutdown) Shutdown = nullptr;
    decltype(&Gdiplus::DllExports::GdipGetImageEncodersSize) GetImageEncodersSize = nullptr;
    decltype(&Gdiplus::DllExports::GdipGetImageEncoders) GetImageEncoders = nullptr;
    decltype(&Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP) CreateBitmapFromHBITMAP = nullptr;
    decltype(&Gdiplus::DllExports::GdipSaveImageToFile) SaveImageToFile = nullptr;
    decltype(&Gdiplus::DllExports::GdipDisposeImage) DisposeImage = nullptr;

private:
    bool Bind(HMODULE module);
};
