#pragma once

#include <windows.h>

#include <gdiplus.h>

// GDI+ runs only while bitmap images exist: it is started by the first save
// and shut down when the last BitmapImage goes away, so nothing of it is kept
// between captures. One record per process; its lock is recursive because
// shutting down re-enters it.
//
// gdiplus.dll is loaded by the first save rather than at program start:
// it pulls in the COM libraries, which made start-up about 40 ms slower, and
// the frame shows no image until a capture. It comes from the system folder
// only, never from beside the program, and stays loaded once bound.
class GdiplusState {
public:
    // The flat functions a save calls.
    struct Functions {
        decltype(&Gdiplus::DllExports::GdipGetImageEncodersSize) GetImageEncodersSize;
        decltype(&Gdiplus::DllExports::GdipGetImageEncoders) GetImageEncoders;
        decltype(&Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP) CreateBitmapFromHBITMAP;
        decltype(&Gdiplus::DllExports::GdipSaveImageToFile) SaveImageToFile;
        decltype(&Gdiplus::DllExports::GdipDisposeImage) DisposeImage;
    };

    static GdiplusState& Instance();

    // Starts GDI+ unless it runs already. False when gdiplus.dll or one of
    // its functions cannot be had or GDI+ does not start; the next call tries
    // again.
    bool Startup();
    // Valid while GDI+ runs.
    const Functions& Flat() const { return m_functions; }
    // A BitmapImage came into being / went away; the last one going away
    // shuts GDI+ down.
    void ImageCreated();
    void ImageDestroyed();
    void Shutdown();
    bool IsStarted();

    // gdiplus.dll from the system folder; null when it cannot be loaded.
    static HMODULE LoadFromSystemFolder();

    GdiplusState(const GdiplusState&) = delete;
    GdiplusState& operator=(const GdiplusState&) = delete;

private:
    GdiplusState();
    ~GdiplusState();
    // Loads and binds the library unless that was done; false when it
    // cannot be, and the library is let go again.
    bool Bind();

    decltype(&Gdiplus::GdiplusStartup) m_startup = nullptr;
    decltype(&Gdiplus::GdiplusShutdown) m_shutdown = nullptr;
    Functions m_functions{};
    ULONG_PTR m_token = 0;
    int m_nImages = 0;
    CRITICAL_SECTION m_lock{};
};
