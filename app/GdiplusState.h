#pragma once

#include <windows.h>

// GDI+ runs only while bitmap images exist: it is started by the first save
// and shut down when the last BitmapImage goes away, so nothing of it is kept
// between captures. One record per process; its lock is recursive because
// shutting down re-enters it.
class GdiplusState {
public:
    static GdiplusState& Instance();

    // Starts GDI+ unless it runs already. False when it cannot be started;
    // the next call tries again.
    bool Startup();
    // A BitmapImage came into being / went away; the last one going away
    // shuts GDI+ down.
    void ImageCreated();
    void ImageDestroyed();
    void Shutdown();

    bool IsStarted();
    int ImageCount();

    GdiplusState(const GdiplusState&) = delete;
    GdiplusState& operator=(const GdiplusState&) = delete;

private:
    GdiplusState();
    ~GdiplusState();

    ULONG_PTR m_token = 0;
    int m_nImages = 0;
    CRITICAL_SECTION m_lock;
};
