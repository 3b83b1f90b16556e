#include "tests/unit/PixelTestSupport.h"

#include <cstdio>

namespace {

HBITMAP CreateDib(int width, int height, void** bits)
{
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, bits, nullptr, 0);
}

DWORD ToDibPixel(COLORREF c) { return (DWORD(GetRValue(c)) << 16) | (DWORD(GetGValue(c)) << 8) | GetBValue(c); }

} // namespace

MemoryCanvas::MemoryCanvas(int width, int height, COLORREF fill)
{
    dc.CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap.Attach(CreateDib(width, height, &bits));
    previous = dc.SelectObject(bitmap.GetSafeHandle());
    dc.FillSolidRect(0, 0, width, height, fill);
}

MemoryCanvas::~MemoryCanvas() { dc.SelectObject(previous); }

CBitmap MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels)
{
    void* bits = nullptr;
    CBitmap bitmap;
    bitmap.Attach(CreateDib(width, height, &bits));
    auto* out = static_cast<DWORD*>(bits);
    for (int i = 0; i < width * height; ++i)
        out[i] = ToDibPixel(pixels.at(i));
    GdiFlush();
    return bitmap;
}

std::vector<COLORREF> ReadPixels(CBitmap& bitmap)
{
    const SIZE size = bitmap.GetSize();
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ previous = dc.SelectObject(bitmap.GetSafeHandle());
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            pixels.push_back(dc.GetPixel(x, y));
    dc.SelectObject(previous);
    return pixels;
}

std::vector<COLORREF> ClipboardBitmapPixels()
{
    std::vector<COLORREF> pixels;
    if (!OpenClipboard(nullptr))
        return pixels;
    if (HANDLE h = GetClipboardData(CF_BITMAP)) {
        CBitmap view;
        view.Attach(h);
        pixels = ReadPixels(view);
        view.Detach(); // the clipboard's, not ours
    }
    CloseClipboard();
    return pixels;
}

std::string ColourText(COLORREF c)
{
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%d,%d,%d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}
