#include "gfx/BitmapTransfer.h"

#include "framework/ScopedSelectObject.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

bool HoldsBitmap(const CBitmap* pBitmap) { return pBitmap != nullptr && pBitmap->GetSafeHandle() != nullptr; }

// Background and text colours of a DC, put back when the scope ends.
class ScopedDCColors {
public:
    ScopedDCColors(CDC& dc, COLORREF crBk, COLORREF crText)
        : m_dc(dc)
        , m_crBk(dc.SetBkColor(crBk))
        , m_crText(dc.SetTextColor(crText))
    {
    }
    ~ScopedDCColors()
    {
        m_dc.SetBkColor(m_crBk);
        m_dc.SetTextColor(m_crText);
    }
    ScopedDCColors(const ScopedDCColors&) = delete;
    ScopedDCColors& operator=(const ScopedDCColors&) = delete;

private:
    CDC& m_dc;
    COLORREF m_crBk;
    COLORREF m_crText;
};

} // namespace

void DrawBitmap(CDC* pDC, CBitmap* pBitmap, int xSrc, int ySrc, int left, int top, int right, int bottom)
{
    if (!HoldsBitmap(pBitmap))
        return;
    CDC memDC;
    memDC.CreateCompatibleDC(pDC);
    ScopedSelectObject select(memDC, *pBitmap);
    pDC->BitBlt(left, top, right - left, bottom - top, &memDC, xSrc, ySrc, SRCCOPY);
}

void DrawTransparentBitmap(CDC* pDC, CBitmap* pBitmap, int xSrc, int ySrc, int left, int top, int right, int bottom,
                           COLORREF crKey)
{
    if (!HoldsBitmap(pBitmap))
        return;
    const int w = right - left;
    const int h = bottom - top;

    // With white background and black text, a monochrome source turns its
    // 1 bits into white and its 0 bits into black on the destination.
    ScopedDCColors destColors(*pDC, kWhite, kBlack);

    CDC imageDC, maskDC, sourceDC;
    imageDC.CreateCompatibleDC(pDC);
    maskDC.CreateCompatibleDC(pDC);
    sourceDC.CreateCompatibleDC(pDC);

    const SIZE full = pBitmap->GetSize();
    CBitmap mask, copy;
    mask.CreateBitmap(w, h, 1, 1, nullptr);
    copy.CreateCompatibleBitmap(pDC, full.cx, full.cy);

    // The bitmaps outlive their selections, the DCs outlive the bitmaps.
    ScopedSelectObject selectSource(sourceDC, *pBitmap);
    ScopedSelectObject selectMask(maskDC, mask);
    ScopedSelectObject selectImage(imageDC, copy);

    // A working copy of the whole bitmap, so the caller's bitmap is never
    // written to.
    imageDC.BitBlt(0, 0, full.cx, full.cy, &sourceDC, 0, 0, SRCCOPY);

    // Mask: 1 exactly where the copy holds the key colour.
    imageDC.SetBkColor(crKey);
    maskDC.BitBlt(0, 0, w, h, &imageDC, xSrc, ySrc, SRCCOPY);

    // Key pixels of the copy become black, the others stay.
    imageDC.SetBkColor(kBlack);
    imageDC.SetTextColor(kWhite);
    imageDC.BitBlt(xSrc, ySrc, w, h, &maskDC, 0, 0, SRCAND);

    // Destination: unchanged under key pixels, black elsewhere; then the
    // bitmap's other pixels are or-ed into the black.
    pDC->BitBlt(left, top, w, h, &maskDC, 0, 0, SRCAND);
    pDC->BitBlt(left, top, w, h, &imageDC, xSrc, ySrc, SRCPAINT);
}
