#include "app/ScreenCapture.h"

#include "app/BitmapImage.h"
#include "app/OutputPath.h"
#include "app/PutBitmapOnClipboard.h"
#include "framework/CBitmap.h"
#include "framework/CClientDC.h"
#include "framework/CWnd.h"
#include "framework/ScopedSelectObject.h"

#include <gdiplus.h>
#include <shellapi.h>

namespace {

// Copies the screen area into a new bitmap in the screen's format. The
// bitmap is selected into no DC afterwards.
void CopyScreenArea(CDC& screenDC, CDC& memDC, const RECT& area, CBitmap* pBitmap)
{
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    pBitmap->CreateCompatibleBitmap(&screenDC, w, h);
    ScopedSelectObject select(memDC, *pBitmap);
    memDC.BitBlt(0, 0, w, h, &screenDC, area.left, area.top, SRCCOPY);
}

// Starts Paint on the file and does not wait for it.
void OpenInPaint(const CString& path)
{
    const CString parameters = PaintParameters(path);
    ShellExecuteA(nullptr, "open", "mspaint.exe", parameters, "", SW_SHOW);
}

} // namespace

RECT CaptureRect(const RECT& viewport, const RECT& windowRect)
{
    RECT rc = viewport;
    OffsetRect(&rc, windowRect.left, windowRect.top);
    return rc;
}

void CaptureScreenArea(const RECT& area)
{
    CClientDC screenDC(CWnd::GetDesktopWindow());
    CDC memDC;
    memDC.CreateCompatibleDC(&screenDC);
    CBitmap bitmap;
    CopyScreenArea(screenDC, memDC, area, &bitmap);

    // Once the clipboard has taken the bitmap it is the clipboard's: still
    // readable for the file, never to be deleted by us.
    const bool clipboardOwnsBitmap = PutBitmapOnClipboard(&bitmap);
    const CString path = CurrentOutputPath();
    {
        BitmapImage image;
        image.Attach(static_cast<HBITMAP>(bitmap.Detach()), !clipboardOwnsBitmap);
        image.Save(path, Gdiplus::ImageFormatBMP);
        OpenInPaint(path);
    }
}
