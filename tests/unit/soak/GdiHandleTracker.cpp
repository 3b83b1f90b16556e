#include "tests/unit/soak/GdiHandleTracker.h"

#include <map>
#include <stdexcept>

namespace {

GdiHandleTracker* g_tracker = nullptr;

// Where each redirected function forwards to: the import table's entry as
// it was before the tracker replaced it.
struct Originals {
    decltype(&::CreateCompatibleDC) CreateCompatibleDC = nullptr;
    decltype(&::CreateDCA) CreateDCA = nullptr;
    decltype(&::CreateCompatibleBitmap) CreateCompatibleBitmap = nullptr;
    decltype(&::CreateBitmap) CreateBitmap = nullptr;
    decltype(&::CreateBitmapIndirect) CreateBitmapIndirect = nullptr;
    decltype(&::CreateDIBSection) CreateDIBSection = nullptr;
    decltype(&::CreateDIBitmap) CreateDIBitmap = nullptr;
    decltype(&::CreateRectRgn) CreateRectRgn = nullptr;
    decltype(&::CreateRectRgnIndirect) CreateRectRgnIndirect = nullptr;
    decltype(&::CreateSolidBrush) CreateSolidBrush = nullptr;
    decltype(&::CreatePatternBrush) CreatePatternBrush = nullptr;
    decltype(&::CreatePen) CreatePen = nullptr;
    decltype(&::CreateFontIndirectA) CreateFontIndirectA = nullptr;
    decltype(&::CreateFontIndirectW) CreateFontIndirectW = nullptr;
    decltype(&::DeleteObject) DeleteObject = nullptr;
    decltype(&::DeleteDC) DeleteDC = nullptr;
    decltype(&::LoadBitmapA) LoadBitmapA = nullptr;
    decltype(&::LoadImageA) LoadImageA = nullptr;
    decltype(&::GetDC) GetDC = nullptr;
    decltype(&::GetDCEx) GetDCEx = nullptr;
    decltype(&::GetWindowDC) GetWindowDC = nullptr;
    decltype(&::ReleaseDC) ReleaseDC = nullptr;
    decltype(&::BeginPaint) BeginPaint = nullptr;
    decltype(&::EndPaint) EndPaint = nullptr;
    decltype(&::SetWindowRgn) SetWindowRgn = nullptr;
};
Originals g_original;

template <typename H> H Created(H h)
{
    if (h != nullptr && g_tracker != nullptr)
        g_tracker->RecordCreated(h);
    return h;
}

HDC Borrowed(HDC dc)
{
    if (dc != nullptr && g_tracker != nullptr)
        g_tracker->RecordBorrowed(dc);
    return dc;
}

// ---- object creation ----------------------------------------------------------

HDC WINAPI HookCreateCompatibleDC(HDC dc) { return Created(g_original.CreateCompatibleDC(dc)); }
HDC WINAPI HookCreateDCA(LPCSTR driver, LPCSTR device, LPCSTR port, const DEVMODEA* mode)
{
    return Created(g_original.CreateDCA(driver, device, port, mode));
}
HBITMAP WINAPI HookCreateCompatibleBitmap(HDC dc, int cx, int cy)
{
    return Created(g_original.CreateCompatibleBitmap(dc, cx, cy));
}
HBITMAP WINAPI HookCreateBitmap(int cx, int cy, UINT planes, UINT bits, const void* data)
{
    return Created(g_original.CreateBitmap(cx, cy, planes, bits, data));
}
HBITMAP WINAPI HookCreateBitmapIndirect(const BITMAP* bm) { return Created(g_original.CreateBitmapIndirect(bm)); }
HBITMAP WINAPI HookCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                    DWORD offset)
{
    return Created(g_original.CreateDIBSection(dc, info, usage, bits, section, offset));
}
HBITMAP WINAPI HookCreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                                  const BITMAPINFO* info, UINT usage)
{
    return Created(g_original.CreateDIBitmap(dc, header, init, bits, info, usage));
}
HRGN WINAPI HookCreateRectRgn(int l, int t, int r, int b) { return Created(g_original.CreateRectRgn(l, t, r, b)); }
HRGN WINAPI HookCreateRectRgnIndirect(const RECT* rc) { return Created(g_original.CreateRectRgnIndirect(rc)); }
HBRUSH WINAPI HookCreateSolidBrush(COLORREF c) { return Created(g_original.CreateSolidBrush(c)); }
HBRUSH WINAPI HookCreatePatternBrush(HBITMAP bm) { return Created(g_original.CreatePatternBrush(bm)); }
HPEN WINAPI HookCreatePen(int style, int width, COLORREF c) { return Created(g_original.CreatePen(style, width, c)); }
HFONT WINAPI HookCreateFontIndirectA(const LOGFONTA* lf) { return Created(g_original.CreateFontIndirectA(lf)); }
HFONT WINAPI HookCreateFontIndirectW(const LOGFONTW* lf) { return Created(g_original.CreateFontIndirectW(lf)); }

HBITMAP WINAPI HookLoadBitmapA(HINSTANCE instance, LPCSTR name)
{
    return Created(g_original.LoadBitmapA(instance, name));
}

// Only bitmaps are GDI objects; icons and cursors are not tracked.
HANDLE WINAPI HookLoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags)
{
    HANDLE h = g_original.LoadImageA(instance, name, type, cx, cy, flags);
    if (type == IMAGE_BITMAP)
        Created(static_cast<HGDIOBJ>(h));
    return h;
}

// ---- object deletion ----------------------------------------------------------

BOOL WINAPI HookDeleteObject(HGDIOBJ h)
{
    const BOOL deleted = g_original.DeleteObject(h);
    if (deleted && g_tracker != nullptr)
        g_tracker->RecordDeleted(h);
    return deleted;
}

BOOL WINAPI HookDeleteDC(HDC dc)
{
    const BOOL deleted = g_original.DeleteDC(dc);
    if (deleted && g_tracker != nullptr)
        g_tracker->RecordDeleted(dc);
    return deleted;
}

// Once set, the region is the window's: the system deletes it.
int WINAPI HookSetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw)
{
    const int set = g_original.SetWindowRgn(hwnd, rgn, redraw);
    if (set != 0 && rgn != nullptr && g_tracker != nullptr)
        g_tracker->RecordHandedOver(rgn);
    return set;
}

// ---- window DCs --------------------------------------------------------------------

HDC WINAPI HookGetDC(HWND hwnd) { return Borrowed(g_original.GetDC(hwnd)); }
HDC WINAPI HookGetDCEx(HWND hwnd, HRGN clip, DWORD flags) { return Borrowed(g_original.GetDCEx(hwnd, clip, flags)); }
HDC WINAPI HookGetWindowDC(HWND hwnd) { return Borrowed(g_original.GetWindowDC(hwnd)); }
HDC WINAPI HookBeginPaint(HWND hwnd, LPPAINTSTRUCT ps) { return Borrowed(g_original.BeginPaint(hwnd, ps)); }

int WINAPI HookReleaseDC(HWND hwnd, HDC dc)
{
    const int released = g_original.ReleaseDC(hwnd, dc);
    if (released != 0 && g_tracker != nullptr)
        g_tracker->RecordReturned(dc);
    return released;
}

BOOL WINAPI HookEndPaint(HWND hwnd, const PAINTSTRUCT* ps)
{
    const HDC dc = ps != nullptr ? ps->hdc : nullptr;
    const BOOL ended = g_original.EndPaint(hwnd, ps);
    if (g_tracker != nullptr && dc != nullptr)
        g_tracker->RecordReturned(dc);
    return ended;
}

// ---- the table -----------------------------------------------------------------------

struct Redirect {
    const char* dll;
    const char* name;
    void* hook;
    void** original;
};

template <typename F> Redirect Entry(const char* dll, const char* name, F hook, F* original)
{
    return Redirect{dll, name, reinterpret_cast<void*>(hook), reinterpret_cast<void**>(original)};
}

std::vector<Redirect> Redirects()
{
    Originals& o = g_original;
    const char* const gdi = "gdi32.dll";
    const char* const user = "user32.dll";
    return {
        Entry(gdi, "CreateCompatibleDC", &HookCreateCompatibleDC, &o.CreateCompatibleDC),
        Entry(gdi, "CreateDCA", &HookCreateDCA, &o.CreateDCA),
        Entry(gdi, "CreateCompatibleBitmap", &HookCreateCompatibleBitmap, &o.CreateCompatibleBitmap),
        Entry(gdi, "CreateBitmap", &HookCreateBitmap, &o.CreateBitmap),
        Entry(gdi, "CreateBitmapIndirect", &HookCreateBitmapIndirect, &o.CreateBitmapIndirect),
        Entry(gdi, "CreateDIBSection", &HookCreateDIBSection, &o.CreateDIBSection),
        Entry(gdi, "CreateDIBitmap", &HookCreateDIBitmap, &o.CreateDIBitmap),
        Entry(gdi, "CreateRectRgn", &HookCreateRectRgn, &o.CreateRectRgn),
        Entry(gdi, "CreateRectRgnIndirect", &HookCreateRectRgnIndirect, &o.CreateRectRgnIndirect),
        Entry(gdi, "CreateSolidBrush", &HookCreateSolidBrush, &o.CreateSolidBrush),
        Entry(gdi, "CreatePatternBrush", &HookCreatePatternBrush, &o.CreatePatternBrush),
        Entry(gdi, "CreatePen", &HookCreatePen, &o.CreatePen),
        Entry(gdi, "CreateFontIndirectA", &HookCreateFontIndirectA, &o.CreateFontIndirectA),
        Entry(gdi, "CreateFontIndirectW", &HookCreateFontIndirectW, &o.CreateFontIndirectW),
        Entry(gdi, "DeleteObject", &HookDeleteObject, &o.DeleteObject),
        Entry(gdi, "DeleteDC", &HookDeleteDC, &o.DeleteDC),
        Entry(user, "LoadBitmapA", &HookLoadBitmapA, &o.LoadBitmapA),
        Entry(user, "LoadImageA", &HookLoadImageA, &o.LoadImageA),
        Entry(user, "GetDC", &HookGetDC, &o.GetDC),
        Entry(user, "GetDCEx", &HookGetDCEx, &o.GetDCEx),
        Entry(user, "GetWindowDC", &HookGetWindowDC, &o.GetWindowDC),
        Entry(user, "ReleaseDC", &HookReleaseDC, &o.ReleaseDC),
        Entry(user, "BeginPaint", &HookBeginPaint, &o.BeginPaint),
        Entry(user, "EndPaint", &HookEndPaint, &o.EndPaint),
        Entry(user, "SetWindowRgn", &HookSetWindowRgn, &o.SetWindowRgn),
    };
}

const char* TypeName(DWORD type)
{
    switch (type) {
    case OBJ_BITMAP:
        return "bitmap";
    case OBJ_BRUSH:
        return "brush";
    case OBJ_DC:
        return "DC";
    case OBJ_MEMDC:
        return "memory DC";
    case OBJ_FONT:
        return "font";
    case OBJ_PEN:
        return "pen";
    case OBJ_REGION:
        return "region";
    case 0:
        return "deleted";
    default:
        return "object";
    }
}

} // namespace

GdiHandleTracker::GdiHandleTracker()
{
    if (g_tracker != nullptr)
        throw std::logic_error("one GdiHandleTracker at a time");
    // The originals are stored before recording starts, and recording starts
    // before any redirected call can happen (single thread here).
    for (const Redirect& r : Redirects()) {
        auto patch = std::make_unique<ImportPatch>(r.dll, r.name, r.hook);
        *r.original = patch->Original();
        m_patches.push_back(std::move(patch));
    }
    g_tracker = this;
}

GdiHandleTracker::~GdiHandleTracker()
{
    // Import entries go back before the originals could be forgotten.
    m_patches.clear();
    g_tracker = nullptr;
}

bool GdiHandleTracker::Watches(const char* functionName) const
{
    for (const auto& patch : m_patches)
        if (patch->Applied() && lstrcmpA(patch->FunctionName(), functionName) == 0)
            return true;
    return false;
}

void GdiHandleTracker::RecordCreated(HGDIOBJ h)
{
    std::lock_guard<std::mutex> hold(m_lock);
    ++m_created;
    m_live.insert(h);
}

void GdiHandleTracker::RecordDeleted(HGDIOBJ h)
{
    std::lock_guard<std::mutex> hold(m_lock);
    ++m_deleted;
    m_live.erase(h);
}

void GdiHandleTracker::RecordHandedOver(HGDIOBJ h)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_live.erase(h);
}

void GdiHandleTracker::RecordBorrowed(HDC dc)
{
    std::lock_guard<std::mutex> hold(m_lock);
    ++m_borrowedTotal;
    ++m_borrowed[dc];
}

// A DC taken before the tracker existed is not counted either way.
void GdiHandleTracker::RecordReturned(HDC dc)
{
    std::lock_guard<std::mutex> hold(m_lock);
    auto it = m_borrowed.find(dc);
    if (it == m_borrowed.end())
        return;
    if (--it->second == 0)
        m_borrowed.erase(it);
}

std::vector<HGDIOBJ> GdiHandleTracker::LiveObjects() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    std::vector<HGDIOBJ> live;
    for (HGDIOBJ h : m_live)
        if (GetObjectType(h) != 0)
            live.push_back(h);
    return live;
}

std::vector<HDC> GdiHandleTracker::UnreleasedDCs() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    std::vector<HDC> dcs;
    for (const auto& [dc, count] : m_borrowed)
        dcs.insert(dcs.end(), static_cast<size_t>(count), dc);
    return dcs;
}

size_t GdiHandleTracker::CreatedCount() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_created;
}

size_t GdiHandleTracker::DeletedCount() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_deleted;
}

size_t GdiHandleTracker::BorrowedDCCount() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_borrowedTotal;
}

// Grouped by kind, so that thousands of leaked handles still make a message
// one can read.
std::string GdiHandleTracker::Describe(const std::vector<HGDIOBJ>& handles)
{
    std::map<std::string, size_t> kinds;
    for (HGDIOBJ h : handles) {
        const DWORD type = GetObjectType(h);
        std::string kind = TypeName(type);
        BITMAP bm{};
        if (type == OBJ_BITMAP && GetObjectA(h, sizeof bm, &bm) != 0)
            kind += " " + std::to_string(bm.bmWidth) + "x" + std::to_string(bm.bmHeight);
        ++kinds[kind];
    }
    std::string text;
    for (const auto& [kind, count] : kinds)
        text += (text.empty() ? "" : ", ") + kind + " x " + std::to_string(count);
    return text.empty() ? "none" : text;
}
