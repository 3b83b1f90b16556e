#include "gfx/ArtworkBitmap.h"
#include "gfx/WindowDpi.h"
#include "res/resource.h"
#include "tests/unit/MessagePump.h"
#include "tests/unit/PixelTestSupport.h"
#include "tests/unit/soak/SoakFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The frame at another scale, in a real window. Wine shows every window at
// the system's DPI and never moves one between monitors of different
// scales, so the window's DPI comes through the lookup seam and the move
// through the message the platform sends.
namespace {

UINT WINAPI Dpi144(HWND) { return 144; }
gfx::GetDpiForWindowFn LookUp144() { return &Dpi144; }

class ScopedDpiLookup {
public:
    explicit ScopedDpiLookup(gfx::WindowDpiLookup lookup) : m_previous(gfx::ReplaceWindowDpiLookup(lookup)) {}
    ~ScopedDpiLookup() { gfx::ReplaceWindowDpiLookup(m_previous); }
    ScopedDpiLookup(const ScopedDpiLookup&) = delete;
    ScopedDpiLookup& operator=(const ScopedDpiLookup&) = delete;

private:
    gfx::WindowDpiLookup m_previous;
};

// A system where no PNG decodes: no COM or WIC, or damaged images.
CBitmap FailToDecode(BYTE*, DWORD) { return CBitmap(); }

class ScopedFailingDecoder {
public:
    ScopedFailingDecoder() : m_previous(gfx::ReplacePngDecoder(&FailToDecode)) {}
    ~ScopedFailingDecoder() { gfx::ReplacePngDecoder(m_previous); }
    ScopedFailingDecoder(const ScopedFailingDecoder&) = delete;
    ScopedFailingDecoder& operator=(const ScopedFailingDecoder&) = delete;

private:
    gfx::PngDecoder m_previous;
};

std::string Text(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

RECT WindowRect(HWND hwnd)
{
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return r;
}

// A child's rectangle in its parent's client coordinates.
std::string ChildRect(HWND parent, int id)
{
    RECT r = WindowRect(::GetDlgItem(parent, id));
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return Text(r);
}

bool InRegion(HWND hwnd, int x, int y)
{
    HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
    const bool has = ::GetWindowRgn(hwnd, rgn) != ERROR && ::PtInRegion(rgn, x, y) != FALSE;
    ::DeleteObject(rgn);
    return has;
}

// What the screen shows of the frame's window, the hole left out (it shows
// whatever lies behind).
std::vector<COLORREF> FrameOnScreen(const soak::SoakFrame& f)
{
    const RECT wr = WindowRect(f.m_hWnd);
    const int w = wr.right - wr.left;
    const int h = wr.bottom - wr.top;
    MemoryCanvas canvas(w, h, RGB(0, 0, 0));
    HDC screen = ::GetDC(nullptr);
    ::BitBlt(canvas.dc.GetSafeHdc(), 0, 0, w, h, screen, wr.left, wr.top, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const POINT p{x, y};
            if (!PtInRect(&f.m_rcViewport, p))
                pixels.push_back(canvas.dc.GetPixel(x, y));
        }
    return pixels;
}

void ChangeDpi(soak::SoakFrame& f, int dpi)
{
    // What the platform suggests scales the whole window; the frame does not
    // take it.
    RECT suggested = WindowRect(f.m_hWnd);
    suggested.right = suggested.left + (suggested.right - suggested.left) * dpi / 96;
    suggested.bottom = suggested.top + (suggested.bottom - suggested.top) * dpi / 96;
    f.SendMessage(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// At 150 % the bands are 27 (left), 17 (title), 123 (panel) and 16
// (below), the capture button 75 x 75 at 101 from the right, and the
// corners' cut reaches a pixel further along each edge than at 96 DPI.
TEST(FrameScale, OpenedAtAScaleTheFrameTakesItsBandsPanelAndCorner)
{
    const ScopedDpiLookup dpi(&LookUp144);
    soak::SoakFrame f;
    ASSERT_TRUE(f.Open(POINT{100, 100}, SIZE{320, 240}));
    EXPECT_EQ(Text(f.ViewportOnScreen()), "127,117,447,357");
    EXPECT_EQ(f.ClientSize().cx, 470);
    EXPECT_EQ(f.ClientSize().cy, 273);
    EXPECT_EQ(ChildRect(f.m_hWnd, IDC_BTN_CAPTURE), "369,35,444,110");
    EXPECT_FALSE(InRegion(f.m_hWnd, 3, 0));
    EXPECT_TRUE(InRegion(f.m_hWnd, 4, 0));
    f.DestroyWindow();
}

// Asked for its size at 150 %, the frame answers its viewport with the
// 150 % bands; moved there, it lies at the suggested place with the same
// viewport, drawn exactly as a frame opened at 150 % (the panel's pictures,
// the skin and the label's font reloaded); back at 96 DPI it is as before.
TEST(FrameScale, ADpiChangeKeepsTheViewportSizeAndComesBackExactly)
{
    ::SetCursorPos(0, 0); // no button hovered
    std::vector<COLORREF> opened;
    {
        const ScopedDpiLookup dpi(&LookUp144);
        soak::SoakFrame f;
        ASSERT_TRUE(f.Open(POINT{100, 100}, SIZE{320, 240}));
        opened = FrameOnScreen(f);
        f.DestroyWindow();
    }
    soak::SoakFrame f;
    ASSERT_TRUE(f.Open(POINT{100, 100}, SIZE{320, 240}));
    const RECT before = WindowRect(f.m_hWnd);
    EXPECT_EQ(Text(f.ViewportOnScreen()), "118,111,438,351");
    EXPECT_TRUE(InRegion(f.m_hWnd, 3, 0));
    SIZE asked{};
    EXPECT_EQ(f.SendMessage(skin::kMsgGetDpiScaledSize, 144, reinterpret_cast<LPARAM>(&asked)), TRUE);
    EXPECT_EQ(asked.cx, 470);
    EXPECT_EQ(asked.cy, 273);

    ChangeDpi(f, 144);
    EXPECT_EQ(Text(WindowRect(f.m_hWnd)), "100,100,570,373");
    EXPECT_EQ(Text(f.ViewportOnScreen()), "127,117,447,357");
    EXPECT_EQ(ChildRect(f.m_hWnd, IDC_BTN_CAPTURE), "369,35,444,110");
    EXPECT_FALSE(InRegion(f.m_hWnd, 3, 0));
    PumpPending();
    const std::vector<COLORREF> moved = FrameOnScreen(f);
    ASSERT_EQ(moved.size(), opened.size());
    size_t differing = 0;
    for (size_t i = 0; i < moved.size(); ++i)
        differing += moved[i] != opened[i] ? 1 : 0;
    EXPECT_EQ(differing, 0u) << "pixels of the frame moved to 150 % unlike one opened there";

    ChangeDpi(f, 96);
    EXPECT_EQ(Text(WindowRect(f.m_hWnd)), Text(before));
    EXPECT_EQ(Text(f.ViewportOnScreen()), "118,111,438,351");
    EXPECT_EQ(ChildRect(f.m_hWnd, IDC_BTN_CAPTURE), "353,23,403,73");
    EXPECT_TRUE(InRegion(f.m_hWnd, 3, 0));
    f.DestroyWindow();
}

// Where the artwork of 150 % cannot be decoded, the whole frame is the one
// of 96 DPI: its bands, panel, corners and skin, with the viewport cut out.
TEST(FrameScale, AtAScaleWhoseArtworkFailsTheFrameIsWholeAt100PercentWithItsHole)
{
    const ScopedDpiLookup dpi(&LookUp144);
    const ScopedFailingDecoder decoder;
    soak::SoakFrame f;
    ASSERT_TRUE(f.Open(POINT{100, 100}, SIZE{320, 240}));
    EXPECT_TRUE(f.GetScale().IsNatural());
    EXPECT_EQ(Text(f.ViewportOnScreen()), "118,111,438,351");
    EXPECT_EQ(f.ClientSize().cx, 420);
    EXPECT_EQ(ChildRect(f.m_hWnd, IDC_BTN_CAPTURE), "353,23,403,73");
    EXPECT_FALSE(InRegion(f.m_hWnd, 0, 0)) << "no skin: no corner cut";
    EXPECT_TRUE(InRegion(f.m_hWnd, 3, 0)) << "the corner of 150 %";
    EXPECT_FALSE(InRegion(f.m_hWnd, 200, 150)) << "no hole over the viewport";
    f.DestroyWindow();
}

} // namespace
