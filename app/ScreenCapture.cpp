#include "app/ScreenCapture.h"

#include "app/BitmapImage.h"
#include "app/OutputPath.h"
#include "app/PaintProgram.h"
#include "app/PutBitmapOnClipboard.h"
#include "framework/CBitmap.h"
#include "framework/CClientDC.h"
#include "framework/CWnd.h"
#include "framework/ScopedSelectObject.h"

#include <gdiplus.h>

#include <string>

namespace {

RECT VirtualScreenRect()
{
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return RECT{x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// Copies the screen area into a new bitmap in the screen's format; what lies
// off the screen stays black. Only the on-screen part is read: under Wine a
// read reaching past the screen's edge fails whole, which left even the
// visible pixels black. The bitmap is selected into no DC afterwards.
void CopyScreenArea(CDC& screenDC, CDC& memDC, const RECT& area, CBitmap* pBitmap)
{
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    pBitmap->CreateCompatibleBitmap(&screenDC, w, h);
    ScopedSelectObject select(memDC, *pBitmap);
    const RECT screen = VirtualScreenRect();
    RECT visible;
    IntersectRect(&visible, &area, &screen); // empty when none of it shows
    if (!EqualRect(&visible, &area))
        memDC.FillSolidRect(0, 0, w, h, RGB(0, 0, 0));
    if (!IsRectEmpty(&visible))
        memDC.BitBlt(visible.left - area.left,
                     visible.top - area.top,
                     visible.right - visible.left,
                     visible.bottom - visible.top,
                     &screenDC,
                     visible.left,
                     visible.top,
                     SRCCOPY);
}

// An exact copy of the bitmap, in the screen's format; empty when the
// bitmap is.
void CopyBitmap(CDC& screenDC, CDC& memDC, CBitmap& bitmap, CBitmap* pCopy)
{
    if (bitmap.GetSafeHandle() == nullptr)
        return;
    const SIZE size = bitmap.GetSize();
    pCopy->CreateCompatibleBitmap(&screenDC, size.cx, size.cy);
    CDC copyDC;
    copyDC.CreateCompatibleDC(&screenDC);
    ScopedSelectObject selectSource(memDC, bitmap);
    ScopedSelectObject selectCopy(copyDC, *pCopy);
    copyDC.BitBlt(0, 0, size.cx, size.cy, &memDC, 0, 0, SRCCOPY);
}

} // namespace

RECT CaptureRect(const RECT& viewport, const RECT& windowRect)
{
    RECT rc = viewport;
    OffsetRect(&rc, windowRect.left, windowRect.top);
    return rc;
}

CaptureOutcome CaptureScreenArea(const RECT& area)
{
    CaptureOutcome outcome;
    CClientDC screenDC(CWnd::GetDesktopWindow());
    CDC memDC;
    memDC.CreateCompatibleDC(&screenDC);
    CBitmap bitmap;
    CopyScreenArea(screenDC, memDC, area, &bitmap);

    // The clipboard gets a copy. A bitmap it has taken is the system's, which
    // deletes it as soon as another program empties or takes the clipboard
    // (a clipboard manager, a remote-desktop session), perhaps while the
    // file is still being written: the file is written from our own.
    CBitmap clipboardCopy;
    CopyBitmap(screenDC, memDC, bitmap, &clipboardCopy);
    outcome.onClipboard = PutBitmapOnClipboard(&clipboardCopy);
    if (outcome.onClipboard)
        clipboardCopy.Detach();
    const std::wstring path = CurrentOutputPath();
    {
        BitmapImage image;
        image.Attach(static_cast<HBITMAP>(bitmap.Detach()), true);
        outcome.saved = image.Save(path.c_str(), Gdiplus::ImageFormatBMP);
        // Paint only on a file this capture wrote: on any other it would show
        // an older capture as if it were this one. Without a file (or without
        // a bitmap at all), or where no Paint could be started, the error
        // sound tells the user.
        if (SUCCEEDED(outcome.saved))
            outcome.paintStarted = OpenInPaint(path);
        if (!outcome.paintStarted)
            MessageBeep(MB_ICONHAND);
    }
    return outcome;
}
