#pragma once

#include "framework/CBitmap.h"
#include "skin/CVelDialog.h"
#include "skin/SkinSlices.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// A skinned dialog built the way the program's dialogs are built, from a
// skin that is generated here so that every slice has a colour of its own
// and the four corners hold known magenta pixels. Used by the skin's window
// tests and by skindemo.exe, which the journeys drive.
namespace skindemo {

// The generated skin: 80 x 64 pixels, slice i filled with kSliceColour[i],
// everything else grey.
inline constexpr int kSkinWidth = 80;
inline constexpr int kSkinHeight = 64;
inline constexpr skin::SkinSlice kSlices[8] = {
    {0, 0, 30, 24},   // title left
    {30, 0, 10, 24},  // title middle
    {40, 0, 40, 24},  // title right
    {0, 24, 6, 30},   // left edge
    {74, 24, 6, 30},  // right edge
    {0, 54, 20, 10},  // bottom left
    {20, 54, 20, 10}, // bottom middle
    {40, 54, 40, 10}, // bottom right
};
inline constexpr COLORREF kSliceColour[8] = {
    RGB(180, 30, 30),
    RGB(30, 150, 30),
    RGB(30, 30, 180),
    RGB(160, 160, 20),
    RGB(20, 140, 140),
    RGB(120, 60, 10),
    RGB(90, 20, 120),
    RGB(20, 110, 60),
};
inline constexpr COLORREF kSkinGrey = RGB(128, 128, 128);
inline constexpr COLORREF kMagenta = RGB(255, 0, 255);
inline constexpr COLORREF kInnerColour = RGB(255, 255, 255);
// Frame metrics that follow from the slices.
inline constexpr int kTitleHeight = 24;  // H0
inline constexpr int kLeftWidth = 6;     // W3
inline constexpr int kRightWidth = 6;    // W4
inline constexpr int kBottomHeight = 10; // H5 and H7

// Magenta pixels in each 5x5 corner square of the skin, as offsets from the
// corner: a quarter circle of 3, 2 and 1 pixels.
inline constexpr POINT kCornerCut[6] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {0, 2}};
// Magenta pixels outside the corner squares, which must not shape the window.
inline constexpr POINT kStrayMagenta[2] = {{5, 0}, {40, 40}};

// Caption strip: four triples (minimise, maximise, close, restore) of three
// 16 x 16 frames (normal, hover, pressed), each frame a colour of its own
// with magenta corner pixels and a white glyph.
inline constexpr int kCaptionSize = 16;
COLORREF CaptionFrameColour(int triple, int frame);

CBitmap MakeSkin();
CBitmap MakeCaptionStrip();

struct Options {
    const char* windowText = "Vantik skin demo";
    const char* titleText = ""; // empty: the window text is the title
    bool skin = true;
    bool resizable = true;
    bool maximiseButton = true;
    SIZE minSize{200, 150};
    RECT placement{200, 150, 520, 390}; // screen rectangle set at the end of OnInitDialog
    const RECT* hole = nullptr;
    // False: the dialog answers the border's SC_SIZE itself, as Windows does
    // for a window without a sizing border, so that Wine runs no sizing loop
    // of its own and only the dialog's polled resize sizes the window.
    bool platformSizesBorders = true;
    // Takes the topmost band as the capture frame does, before the caption
    // buttons' tooltips exist (once it owns topmost popups Wine no longer
    // marks the window topmost).
    bool topmost = false;
};

} // namespace skindemo

class CSkinDemoDialog : public CVelDialog {
public:
    explicit CSkinDemoDialog(const skindemo::Options& options = {});
    // Modeless, for the tests that drive the dialog step by step.
    BOOL Create() { return CreateFromTemplate(nullptr) != nullptr; }

    // Every WM_COMMAND the dialog received, in order.
    struct Command {
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Command> commands;
    int closeCount = 0;  // WM_CLOSE received
    int cancelCount = 0; // OnCancel run
    // States of the system menu's items (SC_SIZE, SC_MOVE, SC_RESTORE,
    // SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE) and its default item, as the menu
    // loop starts (WM_INITMENU), before the platform looks at them.
    struct MenuStates {
        UINT size, move, restore, minimise, maximise, close, defaultItem;
    };
    std::vector<MenuStates> menusAtInit;
    // Runs at the end of OnInitDialog.
    std::function<void(CSkinDemoDialog&)> onInit;
    // Where cursor changes are written (one line per change), or null.
    std::FILE* cursorLog = nullptr;

    // Lets the tests rebuild and inspect what the base keeps.
    using CVelDialog::ResizeCode;
    using CVelDialog::UpdateWindowRegion;
    CBitmap m_bmpSkin;
    CBitmap m_bmpCaption;

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnCancel() override;

    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnClose(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitMenu(WPARAM wParam, LPARAM lParam);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);

private:
    skindemo::Options m_options;
    std::string m_lastCursor;
};

// Name of the cursor now set: "sizewe", "sizens", "sizenwse", "sizenesw",
// "arrow" or "other".
std::string CurrentCursorName();
