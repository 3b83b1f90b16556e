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
    IntersectRect(&visible, &area, &screen);  // empty when none of it shows
    if (!EqualRect(&visible, &area))
        memDC.FillSolidRect(0, 0, w, h, RGB(0, 0, 0));
    if (!IsRectEmpty(&visible))
        memDC.BitBlt(visible.left - area.left, visible.top - area.top, visible.right - visible.left,
                     visible.bottom - visible.top, &screenDC, visible.left, visible.top, SRCCOPY);
}

// Starts Paint on the file and does not wait for it. Wide throughout, so
// that a temporary folder named outside the ANSI code page reaches Paint as
// it is named.
void OpenInPaint(const std::wstring& path)
{
    const std::wstring parameters = PaintParameters(path);
    ShellExecuteW(nullptr, L"open", L"mspaint.exe", parameters.c_str(), L"", SW_SHOW);
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
    const std::wstring path = CurrentOutputPath();
    {
        BitmapImage image;
        image.Attach(static_cast<HBITMAP>(bitmap.Detach()), !clipboardOwnsBitmap);
        image.Save(path.c_str(), Gdiplus::ImageFormatBMP);
        OpenInPaint(path);
    }
}
