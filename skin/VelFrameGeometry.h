#pragma once

#include "gfx/DisplayScale.h"
#include "skin/CaptionButtonLayout.h"
#include "skin/SkinSlices.h"

#include <windows.h>

#include <array>
#include <functional>
#include <vector>

// The skinned frame's geometry, kept free of windows so that CVelDialog's
// handlers only gather their inputs (client rectangle, cursor, window state)
// and apply the result. Client coordinates equal window coordinates: the
// skinned dialog has no non-client area.
namespace skin {

// ---- Painting -------------------------------------------------------------

// The frame is painted in four parts, in this order, each composed off-screen.
enum class FramePart { Top, Left, Right, Bottom };
inline constexpr std::array<FramePart, 4> kFramePaintOrder{
    FramePart::Top, FramePart::Left, FramePart::Right, FramePart::Bottom};

// The client-area rectangle a part covers.
RECT FramePartRect(const SkinSlices& s, FramePart part, const RECT& client);

// One slice transfer into a part's off-screen bitmap, relative to the part's
// top-left corner. A 1:1 copy reads cx x cy pixels at the slice's (x, y); a
// stretch reads the whole slice. Widths are kept as computed, also when
// negative: a window narrower than its two corner slices passes them on.
struct SliceTransfer {
    Slice slice = Slice::TopLeft;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    bool stretch = false;
};

struct PartTransfers {
    std::array<SliceTransfer, 3> items{};
    int count = 0;

    const SliceTransfer* begin() const { return items.data(); }
    const SliceTransfer* end() const { return items.data() + count; }
};

// The transfers composing `part`, in drawing order, for a part of partSize.
PartTransfers FramePartTransfers(const SkinSlices& s, FramePart part, SIZE partSize);

// Where the title text is drawn: from the title position to the caption
// buttons, one title band high. The close button's width is always reserved;
// the minimise and maximise widths only while those buttons are shown.
RECT TitleTextRect(const SkinSlices& s, const RECT& client, POINT titlePos, const CaptionButtonMetrics& m,
                   bool minShown, bool maxShown);

// The optional second line: from its position to the right edge of the band.
RECT SubtitleRect(const SkinSlices& s, const RECT& client, POINT subtitlePos);

// The area inside the frame, which the frame painting leaves to the dialog.
RECT GetInnerRect(const SkinSlices& s, const RECT& client);

// ---- Window region --------------------------------------------------------

inline constexpr COLORREF kSkinKeyColour = RGB(255, 0, 255);
// The side of each corner square, at 96 DPI; it grows with the scale.
inline constexpr int kRegionCornerSize = 5;

// A skin pixel of one of the skin's four 5x5 corner squares and the window
// pixel it decides about; the skin's corners are the window's corners.
struct CornerPixel {
    POINT skin;
    POINT window;
};

std::vector<CornerPixel> RegionCornerPixels(SIZE skinSize, SIZE windowSize, const gfx::DisplayScale& scale = {});

// The window pixels to cut from the region: those whose skin corner pixel
// `isKeyPixel` accepts. Pixels outside the corner squares are never asked.
std::vector<POINT> RegionPixelsToCut(SIZE skinSize, SIZE windowSize, const std::function<bool(POINT)>& isKeyPixel,
                                     const gfx::DisplayScale& scale = {});

// ---- Hit testing ----------------------------------------------------------

// The frame's own code, next to the platform's HT values: the first pixels of
// the title band, where the title icon sits. The widths below are at 96 DPI;
// they grow with the scale.
inline constexpr int kHitMenuSpot = 100;
inline constexpr int kMenuSpotWidth = 20;
// Depth of the top and bottom resize bands, most width of the side bands.
inline constexpr int kResizeBandDepth = 3;

struct HitBand {
    RECT rect;
    int code;
};

// The bands HitTestFrame tries, in order; the first containing a point wins.
std::array<HitBand, 11> FrameHitBands(const SkinSlices& s, const RECT& client, const gfx::DisplayScale& scale = {});
RECT MenuSpotRect(const SkinSlices& s, const RECT& client, const gfx::DisplayScale& scale = {});

// HTCLIENT, HTCAPTION, kHitMenuSpot or one of the eight border codes.
int HitTestFrame(const SkinSlices& s, const RECT& client, POINT p, const gfx::DisplayScale& scale = {});

bool IsBorderCode(int code); // HTLEFT .. HTBOTTOMRIGHT

// ---- Cursor, press, double click ------------------------------------------

// The sizing cursor (IDC_SIZE* as a number) for a border code, 0 otherwise.
int CursorIdForHitCode(int code);

// The cursor WM_SETCURSOR sets, or 0 for default processing: only over the
// dialog itself (not a child), not maximised, resizable, on a border code.
int FrameCursorId(bool overDialogItself, bool maximised, bool resizable, int hitCode);

enum class PressAction {
    DragWindow,  // let the platform move the window, as from a caption
    BeginResize, // start the polled border resize
    Nothing,
};

// What a left button press on hit code `code` does. The borders of a dialog
// that is not resizable do nothing: not even the platform is told of them,
// since Wine would size such a window in its own loop. The bottom-right grip
// does nothing while maximised or minimised; the other borders still start.
PressAction ActionForPress(int code, bool resizable, bool maximised, bool minimised);

// Only the title band outside the menu spot maximises or restores.
bool DoubleClickTogglesMaximise(int code);

// ---- Border resize --------------------------------------------------------

inline constexpr UINT_PTR kResizeTimerId = 1;
inline constexpr UINT kResizeTimerMs = 20;
// The resize code while no border resize is under way.
inline constexpr int kNoResize = -1;

enum class ResizeTick {
    Ignore,     // another timer
    StopTimer,  // not resizable any more, or no resize under way
    EndResize,  // the primary button is up: its release never reached us
    MoveWindow, // move to ResizeRect
};

// primaryButtonDown is the button's physical state, not the thread's view of
// it: the release is lost whenever the capture goes away mid-resize.
ResizeTick ResizeTickAction(UINT_PTR timerId, bool resizable, int resizeCode, bool primaryButtonDown);

// The virtual key whose physical state is the primary button: the right one
// when the user swapped the buttons.
int PrimaryButtonKey(bool buttonsSwapped);

// Which edges of the window follow the mouse for a border code.
struct ResizeEdges {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};

ResizeEdges EdgesFollowingMouse(int code);

// The press rectangle with the following edges moved by (dx, dy).
RECT MoveEdges(const RECT& press, const ResizeEdges& edges, int dx, int dy);

// Keeps the window at least minSize by pulling back the moving edge; the
// edges that do not follow the mouse stay where they were.
RECT ClampToMinimum(RECT r, const ResizeEdges& edges, SIZE minSize);

// The window rectangle (screen coordinates) for one resize tick. Every tick
// starts again from the press state, so nothing accumulates.
RECT ResizeRect(int code, const RECT& pressWindow, POINT pressPoint, POINT cursor, SIZE minSize);

// ---- Maximised geometry and style ---------------------------------------------

// A maximised dialog fills the work area with its side bands, its bottom-right
// band and the top 3 pixels of its title bar lying outside it.
POINT MaximisedPosition(const SkinSlices& s, const RECT& workArea, const gfx::DisplayScale& scale = {});
SIZE MaximisedSize(const SkinSlices& s, const RECT& workArea, const gfx::DisplayScale& scale = {});
void FillMinMaxInfo(MINMAXINFO& info, const SkinSlices& s, SIZE minTrackSize, const RECT& workArea,
                    const gfx::DisplayScale& scale = {});

// The style bits the dialog gives up and takes on when its platform caption
// and sizing border go.
inline constexpr DWORD kFrameStylesRemoved = WS_CAPTION | WS_THICKFRAME;
inline constexpr DWORD kFrameStylesAdded = WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

} // namespace skin
