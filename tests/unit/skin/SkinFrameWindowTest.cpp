// The skinned dialog frame in real windows: shape, painting, cursors, the
// polled border resize and the maximised geometry.
#include "framework/CImageList.h"
#include "skin/DialogDpiScaling.h"
#include "skin/VelFrameGeometry.h"
#include "tests/unit/PixelTestSupport.h"
#include "tests/unit/skin/DialogSkins.h"
#include "tests/unit/skin/SkinWindowTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using skintest::PixelsOutsideRegion;
using skintest::ShowDemoDialog;
namespace sd = skindemo;

RECT WindowRect(const CWnd& w)
{
    RECT r{};
    w.GetWindowRect(&r);
    return r;
}

std::set<std::pair<int, int>> AsSet(const std::vector<POINT>& points)
{
    std::set<std::pair<int, int>> s;
    for (const POINT& p : points)
        s.insert({p.x, p.y});
    return s;
}

// The window pixels the generated skin's corners cut from a w x h window.
std::set<std::pair<int, int>> CornerCuts(int w, int h)
{
    std::set<std::pair<int, int>> s;
    for (const POINT& p : sd::kCornerCut) {
        s.insert({p.x, p.y});
        s.insert({w - 1 - p.x, p.y});
        s.insert({p.x, h - 1 - p.y});
        s.insert({w - 1 - p.x, h - 1 - p.y});
    }
    return s;
}

// Paints the dialog's background into a canvas of its client size.
std::unique_ptr<MemoryCanvas> EraseInto(CSkinDemoDialog& dlg, COLORREF fill)
{
    RECT client;
    dlg.GetClientRect(&client);
    auto canvas = std::make_unique<MemoryCanvas>(client.right, client.bottom, fill);
    dlg.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas->dc.GetSafeHdc()));
    return canvas;
}

TEST(SkinnedFrameWindow, NoPlatformFrameAndTheRegionLosesOnlyCornerPixelsAndTheHole)
{
    const RECT hole{100, 80, 140, 120};
    sd::Options options;
    options.hole = &hole;
    auto dlg = ShowDemoDialog(options);
    ASSERT_NE(dlg, nullptr);

    const DWORD style = dlg->GetStyle();
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0u);
    EXPECT_EQ(style & (WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              static_cast<DWORD>(WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    const RECT wr = WindowRect(*dlg);
    RECT client;
    dlg->GetClientRect(&client);
    EXPECT_EQ(wr, options.placement);
    EXPECT_EQ(client, (RECT{0, 0, 320, 240})) << "the window kept a non-client area";

    auto expected = CornerCuts(320, 240);
    EXPECT_EQ(expected.size(), 24u);
    for (int y = hole.top; y < hole.bottom; ++y)
        for (int x = hole.left; x < hole.right; ++x)
            expected.insert({x, y});
    EXPECT_EQ(AsSet(PixelsOutsideRegion(dlg->m_hWnd, 320, 240)), expected)
        << "stray magenta at (5,0) or (40,40) of the skin must not shape the window";

    // The region follows the next size change, at the new size.
    dlg->SetWindowPos(static_cast<HWND>(nullptr), 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    auto resized = CornerCuts(300, 200);
    for (int y = hole.top; y < hole.bottom; ++y)
        for (int x = hole.left; x < hole.right; ++x)
            resized.insert({x, y});
    EXPECT_EQ(AsSet(PixelsOutsideRegion(dlg->m_hWnd, 300, 200)), resized);

    // On screen the frame is the skin's, not a platform caption.
    skintest::ScreenPixels screen;
    const bool shown = PumpUntil([&] {
        screen = skintest::ReadScreen(WindowRect(*dlg));
        return screen.at(wr.left + 10, wr.top + 20) == sd::kSliceColour[0] &&
               screen.at(wr.left + 3, wr.top + 100) == sd::kSliceColour[3];
    });
    EXPECT_TRUE(shown) << "screen shows " << ColourText(screen.at(wr.left + 10, wr.top + 20))
                       << " in the title band and " << ColourText(screen.at(wr.left + 3, wr.top + 100))
                       << " on the left edge";
    dlg->DestroyWindow();
}

// A window whose skin failed to load keeps its hole: the capture frame then
// still shows, and captures, what lies under its viewport.
TEST(SkinnedFrameWindow, WithoutASkinOnlyTheHoleIsCut)
{
    const RECT hole{100, 80, 140, 120};
    sd::Options options;
    options.skin = false;
    options.hole = &hole;
    auto dlg = ShowDemoDialog(options);
    ASSERT_NE(dlg, nullptr);
    std::set<std::pair<int, int>> expected;
    for (int y = hole.top; y < hole.bottom; ++y)
        for (int x = hole.left; x < hole.right; ++x)
            expected.insert({x, y});
    EXPECT_EQ(AsSet(PixelsOutsideRegion(dlg->m_hWnd, 320, 240)), expected);

    // Nothing is painted, not even the background.
    auto canvas = EraseInto(*dlg, RGB(1, 2, 3));
    EXPECT_EQ(ColourText(canvas->dc.GetPixel(10, 10)), ColourText(RGB(1, 2, 3)));
    dlg->DestroyWindow();
}

// Each band of the frame shows its own slice, in its own place; the inside
// is left to the derived dialog (which paints it white).
TEST(SkinnedFrameWindow, FramePartsArePaintedFromTheirSlices)
{
    sd::Options options;
    options.titleText = " "; // one blank: no title text over the bands
    auto dlg = ShowDemoDialog(options);
    ASSERT_NE(dlg, nullptr);
    const int w = 320, h = 240;
    auto canvas = EraseInto(*dlg, RGB(1, 2, 3));
    auto at = [&](int x, int y) { return ColourText(canvas->dc.GetPixel(x, y)); };
    const auto& c = sd::kSliceColour;
    const struct {
        int x, y;
        COLORREF colour;
    } probes[] = {
        {6, 12, c[0]},
        {29, 12, c[0]},
        {30, 12, c[1]},
        {w - 41, 12, c[1]},
        {w - 40, 12, c[2]},
        {w - 1, 23, c[2]},
        {0, 24, c[3]},
        {5, h - 11, c[3]},
        {6, 100, sd::kInnerColour},
        {w - 7, 100, sd::kInnerColour},
        {w - 6, 24, c[4]},
        {w - 1, h - 11, c[4]},
        {3, h - 10, c[5]},
        {19, h - 1, c[5]},
        {20, h - 5, c[6]},
        {w - 41, h - 5, c[6]},
        {w - 40, h - 5, c[7]},
        {w - 4, h - 1, c[7]},
    };
    for (const auto& p : probes)
        EXPECT_EQ(at(p.x, p.y), ColourText(p.colour)) << "at (" << p.x << "," << p.y << ")";
    // The skin's magenta pixel in slice 0 is painted like any other pixel.
    EXPECT_EQ(at(5, 0), ColourText(sd::kMagenta));
    dlg->DestroyWindow();
}

// A window narrower than the two title corners passes a negative width for
// the middle pieces; the corners still land at their edges.
TEST(SkinnedFrameWindow, NarrowerThanTheCornersStillPaintsAndShapes)
{
    sd::Options options;
    options.titleText = " ";
    options.placement = RECT{200, 150, 250, 210};
    auto dlg = ShowDemoDialog(options);
    ASSERT_NE(dlg, nullptr);
    RECT client;
    dlg->GetClientRect(&client);
    ASSERT_EQ(client, (RECT{0, 0, 50, 60}));
    auto canvas = EraseInto(*dlg, RGB(1, 2, 3));
    EXPECT_EQ(ColourText(canvas->dc.GetPixel(3, 12)), ColourText(sd::kSliceColour[0]));
    EXPECT_EQ(ColourText(canvas->dc.GetPixel(49, 12)), ColourText(sd::kSliceColour[2]));
    EXPECT_EQ(ColourText(canvas->dc.GetPixel(3, 55)), ColourText(sd::kSliceColour[5]));
    EXPECT_EQ(ColourText(canvas->dc.GetPixel(49, 55)), ColourText(sd::kSliceColour[7]));
    EXPECT_EQ(AsSet(PixelsOutsideRegion(dlg->m_hWnd, 50, 60)), CornerCuts(50, 60));
    dlg->DestroyWindow();
}

// The cursor the dialog sets for the cursor position, as WM_SETCURSOR finds it.
std::string CursorAt(CSkinDemoDialog& dlg, POINT windowPoint)
{
    const RECT wr = WindowRect(dlg);
    SetCursorPos(wr.left + windowPoint.x, wr.top + windowPoint.y);
    SetCursor(nullptr);
    dlg.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(dlg.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return CurrentCursorName();
}

TEST(SkinnedFrameWindow, SizingCursorsOnlyOnBordersOfAResizableNormalWindow)
{
    sd::Options options;
    auto dlg = ShowDemoDialog(options);
    ASSERT_NE(dlg, nullptr);
    const int w = 320, h = 240;
    const std::pair<POINT, const char*> cases[] = {
        {{1, 120}, "sizewe"},
        {{w - 1, 120}, "sizewe"},
        {{160, 1}, "sizens"},
        {{160, h - 1}, "sizens"},
        {{3, 1}, "sizenwse"},
        {{w - 3, h - 2}, "sizenwse"},
        {{w - 4, 1}, "sizenesw"},
        {{3, h - 2}, "sizenesw"},
        {{160, 120}, "arrow"},
        {{100, 12}, "arrow"},
        {{10, 12}, "arrow"},
        {{4, 120}, "arrow"},
    };
    for (const auto& [p, name] : cases)
        EXPECT_EQ(CursorAt(*dlg, p), name) << "at (" << p.x << "," << p.y << ")";

    // A child over the right border band takes the pointer there; the bare
    // border just below it keeps its sizing cursor. SS_NOTIFY makes the
    // static a hit target rather than transparent.
    HWND child = CreateWindowExA(
        0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, w - 6, 100, 6, 20, dlg->m_hWnd, nullptr, nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(CursorAt(*dlg, POINT{w - 2, 110}), "arrow") << "a sizing cursor over the child";
    EXPECT_EQ(CursorAt(*dlg, POINT{w - 2, 125}), "sizewe");
    DestroyWindow(child);

    dlg->m_bResizable = FALSE;
    EXPECT_EQ(CursorAt(*dlg, POINT{1, 120}), "arrow");
    EXPECT_EQ(CursorAt(*dlg, POINT{160, h - 1}), "arrow");

    // Maximised: moved back on screen so that its borders can be pointed at.
    dlg->m_bResizable = TRUE;
    dlg->ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(dlg->IsZoomed());
    dlg->SetWindowPos(static_cast<HWND>(nullptr), 200, 150, 320, 240, SWP_NOZORDER);
    ASSERT_TRUE(dlg->IsZoomed());
    EXPECT_EQ(CursorAt(*dlg, POINT{1, 120}), "arrow");
    EXPECT_EQ(CursorAt(*dlg, POINT{w - 3, h - 2}), "arrow");
    dlg->DestroyWindow();
}

// A border press as Wine delivers it: the dialog passes WM_NCLBUTTONDOWN with
// the border code on, Wine runs its own sizing loop inside it, and that loop
// takes the release. The release is queued first so that the loop ends; the
// resize must be over when the press returns (no timer, no capture), whether
// the platform ran a loop or left the release to the dialog.
void PressBorder(CSkinDemoDialog& dlg, POINT p)
{
    dlg.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    dlg.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    PumpPending();
}

TEST(SkinnedFrameWindow, BorderPressEndsWithTheReleaseEvenInsideThePlatformsLoop)
{
    const POINT borders[] = {{319, 120}, {1, 120}, {160, 1}, {160, 239}, {3, 1}, {317, 238}, {3, 238}, {316, 1}};
    auto dlg = ShowDemoDialog();
    ASSERT_NE(dlg, nullptr);
    const RECT start = WindowRect(*dlg);
    for (const POINT& p : borders) {
        SetCursorPos(start.left + p.x, start.top + p.y);
        PressBorder(*dlg, p);
        EXPECT_EQ(dlg->ResizeCode(), skin::kNoResize) << "press at (" << p.x << "," << p.y << ")";
        EXPECT_FALSE(::KillTimer(dlg->m_hWnd, 1)) << "the resize timer outlived the release";
        EXPECT_NE(::GetCapture(), dlg->m_hWnd);
        EXPECT_EQ(WindowRect(*dlg), start) << "the cursor never moved";
    }
    dlg->DestroyWindow();
}

// The primary button pressed for real, through the platform's input queue,
// so that both the thread's view of it and its physical state are down;
// released at the latest when the object goes.
struct HeldButton {
    HeldButton() { Send(MOUSEEVENTF_LEFTDOWN); }
    ~HeldButton() { Release(); }
    void Release()
    {
        if (std::exchange(down, false))
            Send(MOUSEEVENTF_LEFTUP);
    }
    static void Send(DWORD flags)
    {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        SendInput(1, &input, sizeof input);
    }
    bool down = true;
};

// A dialog on which the platform sizes nothing itself, as on Windows for a
// window without a sizing border: only the polled resize can size it.
std::unique_ptr<CSkinDemoDialog> ShowPolledDialog()
{
    sd::Options options;
    options.platformSizesBorders = false;
    return ShowDemoDialog(options);
}

bool RightBorderResizeUnderWay(CSkinDemoDialog& dlg)
{
    return PumpUntil([&] { return dlg.ResizeCode() == HTRIGHT; });
}

void Tick(CSkinDemoDialog& dlg) { dlg.SendMessage(WM_TIMER, skin::kResizeTimerId); }

// The release removed from the queue unseen, as a loop of the platform's
// would take it.
void TakeReleaseUnseen(CSkinDemoDialog& dlg)
{
    MSG msg;
    PumpUntil([&] { return PeekMessageA(&msg, dlg.m_hWnd, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE) != FALSE; });
}

TEST(SkinnedFrameWindow, TicksResizeWhileTheButtonIsHeldAndEndTheResizeOnceItIsUp)
{
    auto dlg = ShowPolledDialog();
    ASSERT_NE(dlg, nullptr);
    ASSERT_EQ(WindowRect(*dlg), (RECT{200, 150, 520, 390}));
    const POINT press{519, 270};
    SetCursorPos(press.x, press.y);
    HeldButton button;
    ASSERT_TRUE(RightBorderResizeUnderWay(*dlg)) << "the held press started no resize";

    // Each tick starts again from the press; the minimum width is 200.
    SetCursorPos(559, 277);
    Tick(*dlg);
    EXPECT_EQ(WindowRect(*dlg), (RECT{200, 150, 560, 390}));
    SetCursorPos(269, 270);
    Tick(*dlg);
    EXPECT_EQ(WindowRect(*dlg), (RECT{200, 150, 400, 390}));

    // Released, but the release still waits in the queue: the button counts
    // as down by the state of the last message (a pen's press may leave the
    // physical state up), and the window follows.
    button.Release();
    SetCursorPos(589, 270);
    Tick(*dlg);
    EXPECT_EQ(WindowRect(*dlg), (RECT{200, 150, 590, 390})) << "a button down by the last message was taken as up";

    // The release taken by someone else: the next tick ends it all.
    TakeReleaseUnseen(*dlg);
    SetCursorPos(609, 270);
    Tick(*dlg);
    EXPECT_EQ(dlg->ResizeCode(), skin::kNoResize);
    EXPECT_FALSE(::KillTimer(dlg->m_hWnd, skin::kResizeTimerId)) << "the resize timer outlived the button";
    EXPECT_NE(::GetCapture(), dlg->m_hWnd);
    EXPECT_EQ(WindowRect(*dlg), (RECT{200, 150, 590, 390})) << "the window followed the pointer with no button held";
    PumpPending();
    dlg->DestroyWindow();
}

// A real press held at a window point where no resize may start. A resize
// gets under way while the press is dispatched, so it is looked for once the
// thread has taken the press from its queue (the pump dispatches what it
// takes before it asks).
void ExpectHeldPressStartsNoResize(CSkinDemoDialog& dlg, POINT windowPoint, const char* what)
{
    const RECT wr = WindowRect(dlg);
    const POINT press{wr.left + windowPoint.x, wr.top + windowPoint.y};
    ASSERT_EQ(::WindowFromPoint(press), dlg.m_hWnd) << what << ": the press would not reach the dialog";
    SetCursorPos(press.x, press.y);
    HeldButton button;
    EXPECT_TRUE(PumpUntil([] { return (GetKeyState(VK_LBUTTON) & 0x8000) != 0; }))
        << what << ": the press never reached the thread";
    PumpPending();
    EXPECT_EQ(dlg.ResizeCode(), skin::kNoResize) << what << ": a resize started";
    EXPECT_FALSE(::KillTimer(dlg.m_hWnd, skin::kResizeTimerId)) << what << ": a resize timer runs";
    button.Release();
    PumpPending();
}

TEST(SkinnedFrameWindow, HeldBorderPressStartsNoResizeWhenNotResizableOrAtTheMaximisedGrip)
{
    sd::Options options;
    options.platformSizesBorders = false;
    options.resizable = false;
    auto fixed = ShowDemoDialog(options);
    ASSERT_NE(fixed, nullptr);
    ExpectHeldPressStartsNoResize(*fixed, POINT{319, 120}, "right border of a fixed dialog");
    fixed->DestroyWindow();

    // Maximised, then moved back on screen so that its grip can be pressed.
    auto dlg = ShowPolledDialog();
    ASSERT_NE(dlg, nullptr);
    dlg->ShowWindow(SW_MAXIMIZE);
    dlg->SetWindowPos(static_cast<HWND>(nullptr), 200, 150, 320, 240, SWP_NOZORDER);
    ASSERT_TRUE(dlg->IsZoomed());
    ExpectHeldPressStartsNoResize(*dlg, POINT{317, 238}, "bottom-right grip of a maximised dialog");
    dlg->DestroyWindow();
}

// The release is lost whenever the capture goes mid-resize: to the secure
// desktop, a UAC prompt or another program (another window), or to nobody.
TEST(SkinnedFrameWindow, CaptureTakenAwayMidResizeEndsTheResize)
{
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    for (const HWND taker : {other, HWND{nullptr}}) {
        auto dlg = ShowPolledDialog();
        ASSERT_NE(dlg, nullptr);
        const RECT start = WindowRect(*dlg);
        const POINT press{start.left + 319, start.top + 120};
        SetCursorPos(press.x, press.y);
        HeldButton button;
        ASSERT_TRUE(RightBorderResizeUnderWay(*dlg)) << "the held press started no resize";

        if (taker != nullptr)
            SetCapture(taker);
        else
            ReleaseCapture();
        const char* what = taker != nullptr ? "capture taken by another window" : "capture released";
        EXPECT_EQ(dlg->ResizeCode(), skin::kNoResize) << what;
        EXPECT_FALSE(::KillTimer(dlg->m_hWnd, skin::kResizeTimerId)) << what << ": the resize timer outlived it";
        // A tick already queued finds nothing to do.
        SetCursorPos(press.x + 60, press.y + 5);
        Tick(*dlg);
        PumpPending();
        EXPECT_EQ(WindowRect(*dlg), start) << what << ": the window still follows the pointer";

        ReleaseCapture();
        button.Release();
        PumpPending();
        dlg->DestroyWindow();
    }
    DestroyWindow(other);
}

// Stands in for the platform's SetDialogDpiChangeBehavior.
struct DpiBehaviorCall {
    HWND hwnd;
    int mask;
    int values;
};
std::vector<DpiBehaviorCall> g_dpiBehaviorCalls;

BOOL WINAPI RecordDpiBehavior(HWND hwnd, DIALOG_DPI_CHANGE_BEHAVIORS mask, DIALOG_DPI_CHANGE_BEHAVIORS values)
{
    g_dpiBehaviorCalls.push_back(DpiBehaviorCall{hwnd, mask, values});
    return TRUE;
}

skin::SetDialogDpiChangeBehaviorFn LookUpRecorder() { return &RecordDpiBehavior; }

// Wine 8 has not the platform function, so this shows only that the dialog
// asks for no rescaling, once, for itself (not for its caption buttons); not
// what Windows then does.
TEST(SkinnedFrameWindow, DialogManagerRescalingIsTurnedOff)
{
    g_dpiBehaviorCalls.clear();
    const skin::DialogDpiBehaviorLookup previous = skin::ReplaceDialogDpiBehaviorLookup(&LookUpRecorder);
    auto dlg = ShowDemoDialog();
    skin::ReplaceDialogDpiBehaviorLookup(previous);
    ASSERT_NE(dlg, nullptr);
    const int every = DDC_DISABLE_ALL | DDC_DISABLE_RESIZE | DDC_DISABLE_CONTROL_RELAYOUT;
    ASSERT_EQ(g_dpiBehaviorCalls.size(), 1u);
    EXPECT_EQ(g_dpiBehaviorCalls[0].hwnd, dlg->m_hWnd);
    EXPECT_EQ(g_dpiBehaviorCalls[0].mask, every);
    EXPECT_EQ(g_dpiBehaviorCalls[0].values, every);
    dlg->DestroyWindow();
}

// True while the icon handle is alive.
bool IconAlive(HICON icon)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

TEST(SkinnedFrameWindow, AReplacedTitleIconIsDestroyed)
{
    auto dlg = ShowDemoDialog();
    ASSERT_NE(dlg, nullptr);
    HICON first = CopyIcon(LoadIcon(nullptr, IDI_APPLICATION));
    HICON second = CopyIcon(LoadIcon(nullptr, IDI_APPLICATION));
    ASSERT_TRUE(IconAlive(first) && IconAlive(second));
    dlg->SetTitleIcon(nullptr, -1, 5, 4, first, 16, 16);
    dlg->SetTitleIcon(nullptr, -1, 5, 4, second, 16, 16);
    EXPECT_FALSE(IconAlive(first)) << "the replaced icon was left behind";
    dlg->SetTitleIcon(nullptr, -1, 5, 4, second, 16, 16);
    EXPECT_TRUE(IconAlive(second)) << "setting the same icon again destroyed it";
    dlg->DestroyWindow();
}

// An opaque icon of one colour, owned by the caller.
HICON SolidIcon(COLORREF colour)
{
    CBitmap image = MakeBitmap(16, 16, std::vector<COLORREF>(16 * 16, colour));
    CBitmap mask;
    mask.CreateBitmap(16, 16, 1, 1, std::vector<BYTE>(32, 0).data());
    ICONINFO info{TRUE, 0, 0, static_cast<HBITMAP>(mask.GetSafeHandle()), image.GetSafeHandle()};
    return CreateIconIndirect(&info);
}

// The title image: the list's image at its index while no icon is set, the
// icon instead once one is.
TEST(SkinnedFrameWindow, TitleImageComesFromTheImageListUnlessAnIconIsSet)
{
    sd::Options options;
    options.titleText = " ";
    auto dlg = ShowDemoDialog(options);
    ASSERT_NE(dlg, nullptr);
    CImageList images(ImageList_Create(8, 8, ILC_COLOR32, 2, 0));
    for (COLORREF colour : {RGB(0, 200, 0), RGB(0, 0, 200)}) {
        CBitmap image = MakeBitmap(8, 8, std::vector<COLORREF>(8 * 8, colour));
        ASSERT_GE(ImageList_Add(images.GetSafeHandle(), image.GetSafeHandle(), nullptr), 0);
    }
    const std::string slice = ColourText(sd::kSliceColour[0]);
    auto titleAt = [&](int x, int y) { return ColourText(EraseInto(*dlg, RGB(1, 2, 3))->dc.GetPixel(x, y)); };

    dlg->SetTitleIcon(&images, 1, 9, 6, nullptr, 16, 16);
    EXPECT_EQ(titleAt(9, 6), ColourText(RGB(0, 0, 200)));
    EXPECT_EQ(titleAt(16, 13), ColourText(RGB(0, 0, 200)));
    EXPECT_EQ(titleAt(17, 13), slice);
    dlg->SetTitleIcon(&images, -1, 9, 6, nullptr, 16, 16);
    EXPECT_EQ(titleAt(9, 6), slice) << "an image drawn for a negative index";

    dlg->SetTitleIcon(&images, 1, 9, 6, SolidIcon(RGB(200, 0, 0)), 16, 16);
    EXPECT_EQ(titleAt(9, 6), ColourText(RGB(200, 0, 0)));
    EXPECT_EQ(titleAt(24, 21), ColourText(RGB(200, 0, 0)));
    dlg->DestroyWindow();
}

TEST(SkinnedFrameWindow, TitleDoubleClickMaximisesToTheWorkAreaAndRestores)
{
    auto dlg = ShowDemoDialog();
    ASSERT_NE(dlg, nullptr);
    const RECT normal = WindowRect(*dlg);
    auto dblclk = [&](int x, int y) { dlg->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y)); };

    dblclk(10, 12);   // the menu spot
    dblclk(160, 120); // client area
    EXPECT_FALSE(dlg->IsZoomed());

    dblclk(100, 12);
    ASSERT_TRUE(dlg->IsZoomed());
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const RECT maximised{
        work.left - sd::kLeftWidth, work.top - 3, work.right + sd::kRightWidth, work.bottom + sd::kBottomHeight};
    EXPECT_EQ(WindowRect(*dlg), maximised);
    // The region follows the maximised size.
    EXPECT_EQ(
        AsSet(PixelsOutsideRegion(dlg->m_hWnd, maximised.right - maximised.left, maximised.bottom - maximised.top)),
        CornerCuts(maximised.right - maximised.left, maximised.bottom - maximised.top));

    dblclk(100, 12);
    EXPECT_FALSE(dlg->IsZoomed());
    EXPECT_EQ(WindowRect(*dlg), normal);
    dlg->DestroyWindow();

    // Without a maximise button the title double click does nothing.
    sd::Options options;
    options.maximiseButton = false;
    auto plain = ShowDemoDialog(options);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->GetStyle() & WS_MAXIMIZEBOX, 0u);
    plain->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 12));
    EXPECT_FALSE(plain->IsZoomed());
    plain->DestroyWindow();
}

} // namespace
