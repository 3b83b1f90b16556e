#pragma once

#include "framework/CBitmap.h"
#include "framework/CWnd.h"
#include "skin/CVelTransButton.h"
#include "tests/unit/MessagePump.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Windows and helpers for the transparent button's tests on the rig's
// display.
namespace tbtest {

// A top-level window that holds the buttons under test and writes down what
// reaches it: the commands (with how many owner-draw requests it had passed
// on by then) and the mouse presses that fell through to it.
class CTestParent : public CWnd {
public:
    struct Command {
        WPARAM wParam;
        LPARAM lParam;
        int drawsBefore;
    };

    static constexpr POINT kOrigin{100, 100};
    static constexpr SIZE kSize{320, 200};
    static constexpr COLORREF kColour = RGB(40, 90, 40);

    // Shows the window, topmost and without activating it, at kOrigin and
    // of kSize, or where asked.
    bool Open() { return Open(kOrigin, kSize); }
    bool Open(POINT at, SIZE size);

    std::vector<Command> commands;
    int draws = 0;
    std::vector<UINT> mouseMessages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

// Real input, as the mouse would give it: the pointer to a screen point,
// then a move, a press or a release there.
void MouseTo(POINT screen);
void MouseDown();
void MouseUp();

// Screen point of a client point of wnd.
POINT ScreenPoint(const CWnd& wnd, int x, int y);
// The pixel the screen shows at a client point of wnd.
COLORREF ScreenPixel(const CWnd& wnd, int x, int y);

// What the button paints when asked to draw itself, w x h pixels, read
// back row by row; drawn on a canvas filled with a colour it never uses.
std::vector<COLORREF> Paint(CVelTransButton& button);

// The smallest rectangle holding every pixel that is not back; empty when
// there is none.
RECT InkBounds(const std::vector<COLORREF>& pixels, int width, int height, COLORREF back);
bool HasColour(const std::vector<COLORREF>& pixels, COLORREF colour);

// Text drawn as the reference for placement: font, text and flags into
// (0, 0, width, height) on a canvas of back.
std::vector<COLORREF> ReferenceText(HGDIOBJ font, const char* text, UINT flags, int width, int height, COLORREF back,
                                    COLORREF ink);

// A square, fully opaque icon of one colour whose top row has another.
HICON MakeIcon(int size, COLORREF colour, COLORREF topRow);

std::string RectText(const RECT& r);

} // namespace tbtest
