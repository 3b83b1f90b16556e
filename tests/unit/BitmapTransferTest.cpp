#include "gfx/BitmapTransfer.h"
#include "tests/unit/PixelTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kNearMagenta = RGB(254, 0, 255);
constexpr COLORREF kDest = RGB(10, 20, 30);

// A bitmap in which every pixel has its own colour, from its coordinates.
COLORREF Distinct(int x, int y) { return RGB(40 + x * 20, 60 + y * 20, 7); }

CBitmap DistinctBitmap(int w, int h)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels.push_back(Distinct(x, y));
    return MakeBitmap(w, h, pixels);
}

// Checks the canvas: inside the destination rectangle the source area read
// from (xSrc, ySrc), everywhere else the fill colour.
void ExpectCopied(MemoryCanvas& canvas, int cw, int ch, int xSrc, int ySrc, RECT dest)
{
    for (int y = 0; y < ch; ++y) {
        for (int x = 0; x < cw; ++x) {
            const POINT p{x, y};
            const COLORREF expected = PtInRect(&dest, p) ? Distinct(xSrc + x - dest.left, ySrc + y - dest.top) : kDest;
            ASSERT_EQ(ColourText(canvas.dc.GetPixel(x, y)), ColourText(expected)) << "at " << x << "," << y;
        }
    }
}

TEST(BitmapTransfer, OpaqueCopyReadsFromSourceOffsetIntoDestinationRectangle)
{
    CBitmap source = DistinctBitmap(8, 8);
    MemoryCanvas canvas(10, 6, kDest);
    DrawBitmap(&canvas.dc, &source, 2, 3, 5, 1, 8, 3);
    ExpectCopied(canvas, 10, 6, 2, 3, RECT{5, 1, 8, 3});
}

TEST(BitmapTransfer, KeyedCopyReadsFromSourceOffsetIntoDestinationRectangle)
{
    CBitmap source = DistinctBitmap(8, 8);
    MemoryCanvas canvas(10, 6, kDest);
    DrawTransparentBitmap(&canvas.dc, &source, 4, 1, 0, 2, 4, 6, kMagenta);
    ExpectCopied(canvas, 10, 6, 4, 1, RECT{0, 2, 4, 6});
}

TEST(BitmapTransfer, KeyPixelsKeepTheDestinationWhateverItsColoursAndNearKeyIsCopied)
{
    // Row 0: key, near-key, red, key, white, black. The destination colours
    // before the call must neither leak into the result nor change.
    const std::vector<COLORREF> row{kMagenta, kNearMagenta, RGB(255, 0, 0), kMagenta, RGB(255, 255, 255), RGB(0, 0, 0)};
    const std::vector<std::pair<COLORREF, COLORREF>> dcColours{
        {RGB(255, 255, 255), RGB(0, 0, 0)},
        {RGB(0, 0, 0), RGB(255, 255, 255)},
        {RGB(12, 200, 99), RGB(250, 3, 128)},
    };
    const std::vector<COLORREF> backdrop{
        RGB(1, 2, 3), RGB(200, 100, 50), RGB(0, 0, 0), RGB(255, 255, 255), RGB(90, 90, 90), RGB(33, 66, 99)};
    for (const auto& [bk, text] : dcColours) {
        CBitmap source = MakeBitmap(6, 1, row);
        MemoryCanvas canvas(6, 1, kDest);
        for (int x = 0; x < 6; ++x)
            ::SetPixel(canvas.dc.m_hDC, x, 0, backdrop[x]);
        canvas.dc.SetBkColor(bk);
        canvas.dc.SetTextColor(text);

        DrawTransparentBitmap(&canvas.dc, &source, 0, 0, 0, 0, 6, 1, kMagenta);

        SCOPED_TRACE("destination colours " + ColourText(bk) + " / " + ColourText(text));
        EXPECT_EQ(ColourText(canvas.dc.GetPixel(0, 0)), ColourText(backdrop[0]));
        EXPECT_EQ(ColourText(canvas.dc.GetPixel(1, 0)), ColourText(kNearMagenta));
        EXPECT_EQ(ColourText(canvas.dc.GetPixel(2, 0)), ColourText(RGB(255, 0, 0)));
        EXPECT_EQ(ColourText(canvas.dc.GetPixel(3, 0)), ColourText(backdrop[3]));
        EXPECT_EQ(ColourText(canvas.dc.GetPixel(4, 0)), ColourText(RGB(255, 255, 255)));
        EXPECT_EQ(ColourText(canvas.dc.GetPixel(5, 0)), ColourText(RGB(0, 0, 0)));
        EXPECT_EQ(ColourText(::GetBkColor(canvas.dc.m_hDC)), ColourText(bk));
        EXPECT_EQ(ColourText(::GetTextColor(canvas.dc.m_hDC)), ColourText(text));
        EXPECT_EQ(ReadPixels(source), row) << "the source bitmap was modified";
    }
}

TEST(BitmapTransfer, OtherKeyColoursWork)
{
    const COLORREF key = RGB(0, 255, 0);
    CBitmap source = MakeBitmap(3, 1, {key, kMagenta, key});
    MemoryCanvas canvas(3, 1, kDest);
    DrawTransparentBitmap(&canvas.dc, &source, 0, 0, 0, 0, 3, 1, key);
    EXPECT_EQ(ColourText(canvas.dc.GetPixel(0, 0)), ColourText(kDest));
    EXPECT_EQ(ColourText(canvas.dc.GetPixel(1, 0)), ColourText(kMagenta));
    EXPECT_EQ(ColourText(canvas.dc.GetPixel(2, 0)), ColourText(kDest));
}

TEST(BitmapTransfer, NullAndEmptyBitmapsDrawNothingAndLeaveColoursAlone)
{
    CBitmap empty;
    for (CBitmap* bitmap : {static_cast<CBitmap*>(nullptr), &empty}) {
        MemoryCanvas canvas(4, 4, kDest);
        canvas.dc.SetBkColor(RGB(1, 1, 1));
        canvas.dc.SetTextColor(RGB(2, 2, 2));
        DrawBitmap(&canvas.dc, bitmap, 0, 0, 0, 0, 4, 4);
        DrawTransparentBitmap(&canvas.dc, bitmap, 0, 0, 0, 0, 4, 4, kMagenta);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                ASSERT_EQ(ColourText(canvas.dc.GetPixel(x, y)), ColourText(kDest));
        EXPECT_EQ(::GetBkColor(canvas.dc.m_hDC), RGB(1, 1, 1));
        EXPECT_EQ(::GetTextColor(canvas.dc.m_hDC), RGB(2, 2, 2));
    }
}

} // namespace
