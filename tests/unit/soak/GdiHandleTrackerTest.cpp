// The GDI handle tracker the soak tests count with: it must see a leak when
// there is one, and nothing when the objects were given back or handed over.
#include "tests/unit/soak/GdiHandleTracker.h"

#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "framework/ProcAddress.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Handles = std::vector<HGDIOBJ>;

Handles Sorted(Handles handles)
{
    std::sort(handles.begin(), handles.end());
    return handles;
}

// Kept out of line: see the note on GdiHandleTracker about calls bound before
// it exists.
[[gnu::noinline]] HBRUSH BrushMadeBeforeTracking() { return CreateSolidBrush(RGB(9, 9, 9)); }

TEST(GdiHandleTracker, WatchesTheFunctionsTheProgramCreatesAndDeletesWith)
{
    GdiHandleTracker tracker;
    for (const char* name :
         {"CreateCompatibleDC",
          "CreateCompatibleBitmap",
          "CreateBitmap",
          "CreateRectRgn",
          "CreateRectRgnIndirect",
          "CreateFontIndirectW",
          "CreateSolidBrush",
          "LoadBitmapA",
          "DeleteObject",
          "DeleteDC",
          "GetDC",
          "ReleaseDC",
          "BeginPaint",
          "EndPaint",
          "SetWindowRgn"})
        EXPECT_TRUE(tracker.Watches(name)) << name << " is not imported by name, so its calls go unseen";
}

TEST(GdiHandleTracker, ReportsObjectsLeftUndeletedAndNothingElse)
{
    HBRUSH before = BrushMadeBeforeTracking();
    GdiHandleTracker tracker;
    {
        CDC memDC;
        memDC.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&memDC, 16, 8);
    }
    EXPECT_EQ(tracker.CreatedCount(), 2u);
    EXPECT_EQ(tracker.DeletedCount(), 2u);
    EXPECT_TRUE(tracker.LiveObjects().empty()) << GdiHandleTracker::Describe(tracker.LiveObjects());

    HBRUSH leakedBrush = CreateSolidBrush(RGB(1, 2, 3));
    HBITMAP leakedBitmap = CreateBitmap(24, 5, 1, 1, nullptr);
    const Handles live = tracker.LiveObjects();
    EXPECT_EQ(Sorted(live), Sorted({leakedBrush, leakedBitmap})) << GdiHandleTracker::Describe(live);
    EXPECT_NE(GdiHandleTracker::Describe(live).find("bitmap 24x5"), std::string::npos)
        << GdiHandleTracker::Describe(live);

    DeleteObject(leakedBrush);
    DeleteObject(leakedBitmap);
    EXPECT_TRUE(tracker.LiveObjects().empty()) << GdiHandleTracker::Describe(tracker.LiveObjects());
    DeleteObject(before);
}

// The clipboard deletes the bitmaps it owns from inside USER32, where the
// tracker cannot see the call; nor can it see a region a window took over.
TEST(GdiHandleTracker, ObjectsHandedOverOrDeletedOutOfSightAreNoLeaks)
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const auto deleteUnseen = ProcAddress<decltype(&::DeleteObject)>(GetModuleHandleA("gdi32.dll"), "DeleteObject");
    ASSERT_NE(deleteUnseen, nullptr);
    {
        GdiHandleTracker tracker;
        HRGN shape = CreateRectRgn(0, 0, 30, 30);
        ASSERT_NE(SetWindowRgn(window, shape, FALSE), 0);
        HBITMAP bitmap = CreateBitmap(4, 4, 1, 1, nullptr);
        ASSERT_TRUE(deleteUnseen(bitmap));
        EXPECT_EQ(tracker.DeletedCount(), 0u) << "the direct call went through the import table after all";
        EXPECT_TRUE(tracker.LiveObjects().empty()) << GdiHandleTracker::Describe(tracker.LiveObjects());
    }
    DestroyWindow(window);
}

TEST(GdiHandleTracker, CountsWindowDCsUntilGivenBack)
{
    GdiHandleTracker tracker;
    HDC first = GetDC(nullptr);
    HDC second = GetDC(nullptr);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ReleaseDC(nullptr, first);
    const std::vector<HDC> outstanding = tracker.UnreleasedDCs();
    ASSERT_EQ(outstanding.size(), 1u);
    EXPECT_EQ(outstanding[0], second);
    ReleaseDC(nullptr, second);
    EXPECT_TRUE(tracker.UnreleasedDCs().empty());
    EXPECT_EQ(tracker.BorrowedDCCount(), 2u);
}

TEST(GdiHandleTracker, PutsTheImportTableBackWhenDone)
{
    void** slot = FindImportSlot(GetModuleHandleA(nullptr), "gdi32.dll", "DeleteObject");
    ASSERT_NE(slot, nullptr) << "the test program does not import DeleteObject by name";
    void* const original = *slot;
    {
        GdiHandleTracker tracker;
        EXPECT_NE(*slot, original);
    }
    EXPECT_EQ(*slot, original);
    // Calls still reach GDI once the tracker is gone.
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    EXPECT_TRUE(DeleteObject(brush));
}

} // namespace
