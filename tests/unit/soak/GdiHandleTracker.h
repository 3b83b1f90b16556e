#pragma once

#include "tests/unit/soak/ImportPatch.h"

#include <windows.h>

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// Counts the GDI objects this program's own code makes and gives back, for
// as long as the tracker exists. Wine reports no GDI handle count
// (GetGuiResources gives 0), so the creating and deleting functions are
// redirected through the executable's import table (see ImportPatch) and
// every handle they hand out is written down:
//  - objects (DCs, bitmaps, regions, brushes, pens, fonts) from the Create*
//    and Load* functions, until DeleteObject / DeleteDC, or until
//    SetWindowRgn takes a region over;
//  - window DCs from GetDC, GetDCEx, GetWindowDC and BeginPaint, until
//    ReleaseDC / EndPaint.
// Objects deleted where the tracker cannot see it (the clipboard deletes the
// bitmaps it was given) are filtered out at the end by asking GDI whether
// the handle is still valid. GDI objects that system DLLs create for
// themselves (GDI+, tooltips) are not seen.
//
// The compiler may load an import table entry once and call through the
// loaded address again later in the same function, so a function that makes
// GDI calls both before and after it creates a tracker can bypass it. The
// code under test, in its own functions called once the tracker exists, is
// always seen.
//
// Only one tracker may exist at a time.
class GdiHandleTracker {
public:
    GdiHandleTracker();
    ~GdiHandleTracker();
    GdiHandleTracker(const GdiHandleTracker&) = delete;
    GdiHandleTracker& operator=(const GdiHandleTracker&) = delete;

    // True when the executable imports the function and it is being watched.
    bool Watches(const char* functionName) const;

    // Objects created since the tracker was made, not deleted through the
    // functions above and still valid.
    std::vector<HGDIOBJ> LiveObjects() const;
    // Window DCs taken since the tracker was made and not given back, one
    // entry per outstanding GetDC/BeginPaint.
    std::vector<HDC> UnreleasedDCs() const;

    size_t CreatedCount() const;
    size_t DeletedCount() const;
    size_t BorrowedDCCount() const;

    // "bitmap 64x120 x 3, region x 1" for failure messages.
    static std::string Describe(const std::vector<HGDIOBJ>& handles);

    // Called by the redirected functions.
    void RecordCreated(HGDIOBJ h);
    void RecordDeleted(HGDIOBJ h);
    void RecordHandedOver(HGDIOBJ h);
    void RecordBorrowed(HDC dc);
    void RecordReturned(HDC dc);

private:
    mutable std::mutex m_lock;
    std::unordered_set<HGDIOBJ> m_live;
    std::unordered_map<HDC, int> m_borrowed;
    size_t m_created = 0;
    size_t m_deleted = 0;
    size_t m_borrowedTotal = 0;
    std::vector<std::unique_ptr<ImportPatch>> m_patches;
};
