#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "framework/CFont.h"
#include "framework/ScopedSelectObject.h"
#include "tests/unit/PixelTestSupport.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

bool IsLiveGdiObject(HGDIOBJ h) { return GetObjectType(h) != 0; }

TEST(GdiOwners, BitmapIsDeletedOnceByItsLastOwner)
{
    HGDIOBJ handle = nullptr;
    {
        CBitmap first;
        ASSERT_TRUE(first.CreateBitmap(4, 4, 1, 1, nullptr));
        handle = first.GetSafeHandle();
        CBitmap second(std::move(first));
        EXPECT_EQ(first.GetSafeHandle(), nullptr);
        EXPECT_EQ(second.GetSafeHandle(), handle);
        CBitmap third;
        third = std::move(second);
        EXPECT_TRUE(IsLiveGdiObject(handle));
    }
    EXPECT_FALSE(IsLiveGdiObject(handle)) << "the bitmap outlived its owner";
}

TEST(GdiOwners, AttachReplacesAndDetachReleasesOwnership)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(2, 2, 1, 1, nullptr));
    HGDIOBJ old = bitmap.GetSafeHandle();
    HGDIOBJ fresh = CreateBitmap(3, 3, 1, 1, nullptr);
    bitmap.Attach(fresh);
    EXPECT_FALSE(IsLiveGdiObject(old)) << "the replaced bitmap leaked";

    HGDIOBJ detached = bitmap.Detach();
    EXPECT_EQ(detached, fresh);
    EXPECT_EQ(bitmap.GetSize().cx, 0);
    EXPECT_TRUE(IsLiveGdiObject(fresh));
    DeleteObject(detached);
}

TEST(GdiOwners, FontCreatedFromLogFont)
{
    LOGFONTA lf{};
    lf.lfHeight = -11;
    HGDIOBJ handle = nullptr;
    {
        CFont font;
        ASSERT_TRUE(font.CreateFontIndirect(&lf));
        handle = font.GetSafeHandle();
        LOGFONTA back{};
        ::GetObjectA(handle, sizeof back, &back);
        EXPECT_EQ(back.lfHeight, -11);
    }
    EXPECT_FALSE(IsLiveGdiObject(handle));
}

TEST(GdiOwners, OwnedDcIsDeletedAndBorrowedDcIsNot)
{
    HDC owned = nullptr;
    HDC borrowed = CreateCompatibleDC(nullptr);
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        owned = dc.GetSafeHdc();
        CDC moved(std::move(dc));
        EXPECT_EQ(dc.GetSafeHdc(), nullptr);
        CDC view = CDC::FromHandle(borrowed);
        EXPECT_EQ(view.GetSafeHdc(), borrowed);
    }
    EXPECT_FALSE(IsLiveGdiObject(owned)) << "the owned DC outlived its owner";
    EXPECT_TRUE(IsLiveGdiObject(borrowed)) << "a borrowed DC was deleted";
    DeleteDC(borrowed);
}

TEST(GdiOwners, ScopedSelectionPutsThePreviousObjectBack)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ original = GetCurrentObject(dc.m_hDC, OBJ_BITMAP);
    CBitmap bitmap;
    bitmap.CreateBitmap(2, 2, 1, 1, nullptr);
    {
        ScopedSelectObject select(dc, bitmap);
        EXPECT_EQ(GetCurrentObject(dc.m_hDC, OBJ_BITMAP), bitmap.GetSafeHandle());
    }
    EXPECT_EQ(GetCurrentObject(dc.m_hDC, OBJ_BITMAP), original);
}

TEST(GdiOwners, FillSolidRectAndDraw3dRect)
{
    const COLORREF bg = RGB(9, 9, 9);
    const COLORREF navy = RGB(0, 0, 128);
    const COLORREF red = RGB(200, 0, 0);
    MemoryCanvas canvas(6, 5, bg);
    EXPECT_EQ(::GetBkColor(canvas.dc.m_hDC), bg) << "FillSolidRect leaves its colour as the background";

    const RECT frame{1, 1, 5, 4};
    canvas.dc.Draw3dRect(&frame, navy, red);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            COLORREF expected = bg;
            const bool inside = x >= 1 && x < 5 && y >= 1 && y < 4;
            if (inside && (x == 4 || y == 3))
                expected = red;
            else if (inside && (x == 1 || y == 1))
                expected = navy;
            ASSERT_EQ(ColourText(canvas.dc.GetPixel(x, y)), ColourText(expected)) << "at " << x << "," << y;
        }
    }
}

} // namespace
