#pragma once

#include <windows.h>

// A bitmap handle on its way to a file: saves it through GDI+ in the format
// asked for. Deletes the handle when destroyed unless it belongs elsewhere.
// While any BitmapImage exists GDI+ may run; the last one destroyed shuts it
// down.
class BitmapImage {
public:
    BitmapImage();
    ~BitmapImage();
    BitmapImage(const BitmapImage&) = delete;
    BitmapImage& operator=(const BitmapImage&) = delete;

    // Takes the handle; bMayDelete is false when the handle belongs elsewhere.
    void Attach(HBITMAP hBitmap, bool bMayDelete);

    // S_OK when the file was written; E_FAIL when GDI+ cannot start, has no
    // encoder for the format or reports an error; E_OUTOFMEMORY when a
    // working buffer cannot be had. The path is UTF-16, as GDI+ takes it.
    HRESULT Save(const wchar_t* pszPath, const GUID& format);

private:
    HBITMAP m_hBitmap = nullptr;
    bool m_bMayDelete = false;
};
