// Looks at a running Vantik from outside, inside the same Wine session, for
// the journeys: the remembered geometry on the desktop window, the frame's
// window (rectangle, topmost, shape), the clipboard; and stands in for the
// other programs a user has open (a pattern to capture, a window that holds
// the focus, a program that holds the clipboard open).
//
//   probe props                      size=N xy=N (the two property values)
//   probe set-props SIZE XY          sets both property values (0 removes)
//   probe frame [L T R B]            rect=l,t,r,b topmost=0|1 excluded=N hole=N
//                                    work=l,t,r,b visible=0|1 (pixels cut
//                                    from the window; of them, in the
//                                    viewport, inside bands L T R B wide,
//                                    18 11 82 11 unless given; the work area)
//   probe window TITLE               rect=l,t,r,b zoomed=0|1 of a dialog window
//   probe capture TITLE              capture=0|1: whether that dialog holds the
//                                    mouse capture (a press it has taken for a
//                                    move or a resize)
//   probe label TEXT FILE [W H F]    the size label as the frame draws it, as
//                                    a 24-bit BMP, magenta where it leaves the
//                                    skin showing; W x H with an F-pixel font
//                                    (52 x 13, 11 unless given)
//   probe dialog TITLE               rect=... visible=0|1 edits=A|B (controls
//                                    1000, 1001) buttons=N
//                                    icon=0|1 text=...
//                                    (a dialog or message box of that title)
//   probe names TITLE                id=N name=... for each visible control of
//                                    that dialog: what a screen reader reads,
//                                    through oleacc's client object
//   probe clipboard-bitmap FILE      writes the CF_BITMAP as a 24-bit BMP;
//                                    prints size=WxH, or none
//   probe set-clipboard-text TEXT
//   probe clipboard-text             text=... or none
//   probe hold-clipboard MS          opens the clipboard, prints held, holds it
//   probe pattern X Y W H            a window showing a known pattern there,
//                                    until closed
//   probe focus                      a plain window titled "Probe focus"
//   probe focus count-repeats        the same, counting the keyboard's repeats
//                                    of the C key while it runs
//   probe repeats                    repeats=N so far, or none
//   probe frames                     rect=l,t,r,b pid=N visible=0|1
//                                    foreground=0|1 xid=N (its X window) for
//                                    every frame, topmost first (no shape:
//                                    quick at any size)
//   probe windows                    pid=N class=C title=T for every visible
//                                    top-level window
//   probe hold-clipboard             the same, until the probe's input ends
//   probe lock-file PATH             opens the file with no sharing (making
//                                    it), prints locked, holds it until the
//                                    probe's input ends
//   probe activate TITLE             makes that dialog the foreground window;
//                                    prints foreground=0|1
//   probe idle                       waits for the frame to be done with its
//                                    command, if any; prints idle
//   probe capture-command            sends the frame the camera button's command,
//                                    prints captured once it is done
//   probe move-frame X Y             moves the frame there, as another program can
//   probe display-changed            tells the frame the display changed, as the
//                                    platform tells every top-level window
//   probe foreground                 title=T of the active window, or none
//   probe code-page                  acp=N, the ANSI code page of a program
//                                    started in this session's locale
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kSizeProperty = "WndPropName_Vantik_dravok_Size";
const char* const kPositionProperty = "WndPropName_Vantik_dravok_XY";

// The pattern's colour at (x, y) within it; the journeys compute the same.
COLORREF PatternColour(int x, int y) { return RGB((x * 7 + y) & 0xFF, (y * 5 + 3) & 0xFF, ((x ^ y) * 3) & 0xFF); }

bool WriteBmp24(const char* path, HBITMAP bitmap, int* pWidth, int* pHeight);

DWORD Property(const char* name)
{
    return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(GetPropA(GetDesktopWindow(), name)));
}

int Props()
{
    std::printf("size=%lu xy=%lu\n",
                static_cast<unsigned long>(Property(kSizeProperty)),
                static_cast<unsigned long>(Property(kPositionProperty)));
    return 0;
}

void SetProperty(const char* name, DWORD value)
{
    if (value == 0)
        RemovePropA(GetDesktopWindow(), name);
    else
        SetPropA(GetDesktopWindow(), name, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(value)));
}

int SetProps(DWORD size, DWORD xy)
{
    SetProperty(kSizeProperty, size);
    SetProperty(kPositionProperty, xy);
    return 0;
}

struct Bands {
    int left = 18;
    int top = 11;
    int right = 82;
    int bottom = 11;
};

int Frame(const Bands& bands)
{
    HWND frame = FindWindowA("#32770", "Vantik");
    if (frame == nullptr) {
        std::printf("none\n");
        return 1;
    }
    RECT wr;
    GetWindowRect(frame, &wr);
    const bool topmost = (GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    const int w = wr.right - wr.left;
    const int h = wr.bottom - wr.top;
    const RECT viewport{bands.left, bands.top, w - bands.right, h - bands.bottom};
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    int excluded = -1;
    int hole = -1;
    if (GetWindowRgn(frame, rgn) != ERROR) {
        excluded = 0;
        hole = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (PtInRegion(rgn, x, y))
                    continue;
                ++excluded;
                const POINT p{x, y};
                if (PtInRect(&viewport, p))
                    ++hole;
            }
        }
    }
    DeleteObject(rgn);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    std::printf("rect=%ld,%ld,%ld,%ld topmost=%d excluded=%d hole=%d work=%ld,%ld,%ld,%ld visible=%d\n",
                wr.left,
                wr.top,
                wr.right,
                wr.bottom,
                topmost ? 1 : 0,
                excluded,
                hole,
                work.left,
                work.top,
                work.right,
                work.bottom,
                IsWindowVisible(frame) ? 1 : 0);
    return 0;
}

// The platform's idea of a dialog window's place, which under Wine without a
// window manager may differ from the X window's (a maximised window keeps
// its X size).
int Window(const char* title)
{
    HWND hwnd = FindWindowA("#32770", title);
    if (hwnd == nullptr) {
        std::printf("none\n");
        return 1;
    }
    RECT wr;
    GetWindowRect(hwnd, &wr);
    std::printf("rect=%ld,%ld,%ld,%ld zoomed=%d\n", wr.left, wr.top, wr.right, wr.bottom, IsZoomed(hwnd) ? 1 : 0);
    return 0;
}

// Draws the label text as the frame does, independently of its code.
struct LabelBox {
    int width = 52;
    int height = 13;
    int fontHeight = 11;
};

int Label(const char* text, const char* path, const LabelBox& box)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, box.width, box.height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    LOGFONTA lf{};
    lf.lfHeight = -box.fontHeight;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = GB2312_CHARSET;
    std::strcpy(lf.lfFaceName, "\xCB\xCE\xCC\xE5");
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ oldFont = SelectObject(dc, font);
    // Magenta where the text paints nothing: there the frame shows its skin.
    RECT rc{0, 0, box.width, box.height};
    SetBkColor(dc, RGB(255, 0, 255));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    SetBkColor(dc, RGB(225, 225, 225));
    SetTextColor(dc, RGB(120, 120, 120));
    DrawTextA(dc, text, -1, &rc, DT_SINGLELINE | DT_VCENTER);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(font);
    DeleteDC(dc);
    int w = 0;
    int h = 0;
    const bool written = WriteBmp24(path, bitmap, &w, &h);
    DeleteObject(bitmap);
    return written ? 0 : 1;
}

struct DialogInfo {
    std::string edits;
    int buttons = 0;
    bool icon = false;
    std::string text;
};

// A window's text in GBK, as the journeys read the probe's answers, whatever
// the code page of the session's locale (1252 or 950 hold neither the
// program's Chinese nor its English texts' arrows).
std::string WindowTextGbk(HWND hWnd)
{
    wchar_t wide[512] = {};
    GetWindowTextW(hWnd, wide, 512);
    char gbk[1024] = {};
    WideCharToMultiByte(936, 0, wide, -1, gbk, sizeof gbk, nullptr, nullptr);
    return gbk;
}

// The command line's argument index as it was typed, not as the session's
// code page can hold it.
std::wstring WideArgument(int index)
{
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring arg = args != nullptr && index < count ? args[index] : L"";
    LocalFree(args);
    return arg;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM lParam)
{
    auto* info = reinterpret_cast<DialogInfo*>(lParam);
    char cls[64] = {};
    GetClassNameA(child, cls, sizeof cls);
    const std::string text = WindowTextGbk(child);
    const int id = GetDlgCtrlID(child);
    if (id == 1000 || id == 1001) {
        // An edit's text is its own, not the window caption: ask it.
        char edit[64] = {};
        SendMessageA(child, WM_GETTEXT, sizeof edit, reinterpret_cast<LPARAM>(edit));
        if (!info->edits.empty())
            info->edits += "|";
        info->edits += edit;
    } else if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child)) {
        ++info->buttons;
    } else if (lstrcmpiA(cls, "Static") == 0) {
        if (SendMessageA(child, STM_GETICON, 0, 0) != 0)
            info->icon = true;
        else if (!text.empty())
            info->text = text;
    }
    return TRUE;
}

// Prints the text with line breaks made visible, so it stays on one line.
void PrintEscaped(const std::string& text)
{
    for (char c : text) {
        if (c == '\r')
            std::printf("\\r");
        else if (c == '\n')
            std::printf("\\n");
        else
            std::putchar(c);
    }
}

int Dialog(const std::wstring& title)
{
    HWND dialog = FindWindowW(L"#32770", title.c_str());
    if (dialog == nullptr) {
        std::printf("none\n");
        return 1;
    }
    DialogInfo info;
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&info));
    RECT wr;
    GetWindowRect(dialog, &wr);
    std::printf("rect=%ld,%ld,%ld,%ld visible=%d edits=%s buttons=%d icon=%d text=",
                wr.left,
                wr.top,
                wr.right,
                wr.bottom,
                IsWindowVisible(dialog) ? 1 : 0,
                info.edits.c_str(),
                info.buttons,
                info.icon ? 1 : 0);
    PrintEscaped(info.text);
    std::printf("\n");
    return 0;
}

// IAccessible's identifier, spelled out: MinGW's static one is wrong.
constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The name of a control's client object, as a screen reader asks for it from
// another process; a failure is shown as what failed.
std::string AccessibleNameOf(HWND control)
{
    IAccessible* object = nullptr;
    HRESULT hr = AccessibleObjectFromWindow(
        control, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible, reinterpret_cast<void**>(&object));
    if (FAILED(hr) || object == nullptr)
        return "<no object>";
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    hr = object->get_accName(self, &name);
    object->Release();
    if (FAILED(hr))
        return "<no name>";
    char gbk[512] = {};
    if (name != nullptr)
        WideCharToMultiByte(936, 0, name, -1, gbk, sizeof gbk, nullptr, nullptr);
    SysFreeString(name);
    return gbk;
}

BOOL CALLBACK PrintName(HWND control, LPARAM)
{
    if (IsWindowVisible(control)) {
        std::printf("id=%d name=", GetDlgCtrlID(control));
        PrintEscaped(AccessibleNameOf(control));
        std::printf("\n");
    }
    return TRUE;
}

int Names(const std::wstring& title)
{
    HWND dialog = FindWindowW(L"#32770", title.c_str());
    if (dialog == nullptr) {
        std::printf("none\n");
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EnumChildWindows(dialog, PrintName, 0);
    CoUninitialize();
    return 0;
}

bool WriteBmp24(const char* path, HBITMAP bitmap, int* pWidth, int* pHeight)
{
    BITMAP bm{};
    if (GetObjectA(bitmap, sizeof bm, &bm) == 0)
        return false;
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = bm.bmWidth;
    bmi.bmiHeader.biHeight = bm.bmHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    const int stride = ((bm.bmWidth * 3) + 3) & ~3;
    std::vector<unsigned char> bits(static_cast<size_t>(stride) * bm.bmHeight);
    HDC dc = GetDC(nullptr);
    const int lines = GetDIBits(dc, bitmap, 0, bm.bmHeight, bits.data(), &bmi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (lines != bm.bmHeight)
        return false;
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(bits.size());
    std::FILE* f = std::fopen(path, "wb");
    if (f == nullptr)
        return false;
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&bmi.bmiHeader, sizeof bmi.bmiHeader, 1, f);
    std::fwrite(bits.data(), 1, bits.size(), f);
    std::fclose(f);
    *pWidth = bm.bmWidth;
    *pHeight = bm.bmHeight;
    return true;
}

int ClipboardBitmap(const char* path)
{
    if (!OpenClipboard(nullptr)) {
        std::printf("busy\n");
        return 1;
    }
    int w = 0;
    int h = 0;
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    const bool written = bitmap != nullptr && WriteBmp24(path, bitmap, &w, &h);
    CloseClipboard();
    if (!written) {
        std::printf("none\n");
        return 1;
    }
    std::printf("size=%dx%d\n", w, h);
    return 0;
}

int SetClipboardText(const char* text)
{
    if (!OpenClipboard(nullptr))
        return 1;
    EmptyClipboard();
    const size_t size = std::strlen(text) + 1;
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(mem), text, size);
    GlobalUnlock(mem);
    SetClipboardData(CF_TEXT, mem);
    CloseClipboard();
    return 0;
}

int ClipboardText()
{
    if (!OpenClipboard(nullptr)) {
        std::printf("busy\n");
        return 1;
    }
    HANDLE mem = GetClipboardData(CF_TEXT);
    if (mem == nullptr)
        std::printf("none\n");
    else
        std::printf("text=%s\n", static_cast<const char*>(GlobalLock(mem)));
    if (mem != nullptr)
        GlobalUnlock(mem);
    CloseClipboard();
    return 0;
}

int HoldClipboard(int ms)
{
    if (!OpenClipboard(nullptr)) {
        std::printf("busy\n");
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(ms));
    CloseClipboard();
    return 0;
}

LRESULT CALLBACK PatternProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        for (int y = 0; y < rc.bottom; ++y)
            for (int x = 0; x < rc.right; ++x)
                SetPixel(dc, x, y, PatternColour(x, y));
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int ShowWindowUntilClosed(const char* title, int x, int y, int w, int h, WNDPROC proc)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = title;
    RegisterClassA(&wc);
    HWND hwnd =
        CreateWindowExA(0, title, title, WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr, nullptr, wc.hInstance, nullptr);
    if (hwnd == nullptr)
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

LRESULT CALLBACK FocusProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The keyboard's repeats of a held C, for "focus count-repeats". A hot key
// takes its keys before any window sees them, so a low-level hook counts
// them: a key-down while the key is down already is a repeat. The count is a
// property of the focus window, where "repeats" reads it.
constexpr char kRepeatsProp[] = "ProbeKeyRepeats";
bool g_bRepeatKeyDown = false;
INT_PTR g_repeats = 0;

LRESULT CALLBACK CountRepeatsProc(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && key->vkCode == 'C') {
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        if (down && g_bRepeatKeyDown)
            SetPropA(FindWindowA("Probe focus", nullptr), kRepeatsProp, reinterpret_cast<HANDLE>(++g_repeats));
        g_bRepeatKeyDown = down;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int FocusCountingRepeats()
{
    if (SetWindowsHookExA(WH_KEYBOARD_LL, CountRepeatsProc, GetModuleHandleA(nullptr), 0) == nullptr)
        return 1;
    return ShowWindowUntilClosed("Probe focus", 700, 600, 200, 100, FocusProc);
}

int Repeats()
{
    HWND hwnd = FindWindowA("Probe focus", nullptr);
    if (hwnd == nullptr) {
        std::printf("none\n");
        return 1;
    }
    std::printf("repeats=%d\n", static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(hwnd, kRepeatsProp))));
    return 0;
}

// What a click on the window's taskbar button does: makes it the foreground
// window, where the keyboard goes, even where it cannot be clicked.
int Activate(const char* title)
{
    HWND hwnd = FindWindowA("#32770", title);
    if (hwnd == nullptr) {
        std::printf("none\n");
        return 1;
    }
    const BOOL done = SetForegroundWindow(hwnd);
    std::printf("foreground=%d\n", GetForegroundWindow() == hwnd ? 1 : 0);
    return done ? 0 : 1;
}

// Whether a dialog has taken a press on its frame: its own resize and the
// platform's move loop both hold the mouse capture until the release.
int Capture(const char* title)
{
    HWND hwnd = FindWindowA("#32770", title);
    if (hwnd == nullptr) {
        std::printf("none\n");
        return 1;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info))
        return 1;
    std::printf("capture=%d\n", info.hwndCapture == hwnd ? 1 : 0);
    return 0;
}

int MoveFrame(int x, int y)
{
    HWND frame = FindWindowA("#32770", "Vantik");
    if (frame == nullptr || !SetWindowPos(frame, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE))
        return 1;
    std::printf("moved\n");
    return 0;
}

// Returns once the frame's thread has got to its messages again: after the
// command it runs, a capture say, has ended.
int Idle()
{
    HWND frame = FindWindowA("#32770", "Vantik");
    DWORD_PTR result = 0;
    if (frame == nullptr || !SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result))
        return 1;
    std::printf("idle\n");
    return 0;
}

// The camera button's command, sent as the button sends it; returns once the
// capture has ended.
int CaptureCommand()
{
    HWND frame = FindWindowA("#32770", "Vantik");
    if (frame == nullptr)
        return 1;
    SendMessageA(frame, WM_COMMAND, 7570, 0);
    std::printf("captured\n");
    return 0;
}

int DisplayChanged()
{
    HWND frame = FindWindowA("#32770", "Vantik");
    if (frame == nullptr)
        return 1;
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    const LPARAM size = MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    SendMessageA(frame, WM_DISPLAYCHANGE, static_cast<WPARAM>(bits), size);
    std::printf("sent\n");
    return 0;
}

// Opens the clipboard and keeps it open until the probe's input ends.
int HoldClipboardUntilReleased()
{
    if (!OpenClipboard(nullptr)) {
        std::printf("busy\n");
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    char line[16];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
    }
    CloseClipboard();
    return 0;
}

// Holds the file open with no sharing, as an editor or a virus scanner may,
// until the probe's input ends.
int LockFile(const char* path)
{
    HANDLE file =
        CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::printf("failed error=%lu\n", GetLastError());
        return 1;
    }
    std::printf("locked\n");
    std::fflush(stdout);
    char line[16];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
    }
    CloseHandle(file);
    return 0;
}

struct FrameList {
    std::vector<HWND> frames;
};

BOOL CALLBACK CollectFrame(HWND hwnd, LPARAM lParam)
{
    char cls[16] = {};
    char title[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    if (std::strcmp(cls, "#32770") == 0 && std::strcmp(title, "Vantik") == 0)
        reinterpret_cast<FrameList*>(lParam)->frames.push_back(hwnd);
    return TRUE;
}

// Every frame, topmost first: one line each.
int Frames()
{
    FrameList list;
    EnumWindows(CollectFrame, reinterpret_cast<LPARAM>(&list));
    for (HWND hwnd : list.frames) {
        RECT wr;
        GetWindowRect(hwnd, &wr);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        // Wine keeps the window's X window on it as a property.
        const auto xid = reinterpret_cast<ULONG_PTR>(GetPropA(hwnd, "__wine_x11_whole_window"));
        std::printf("rect=%ld,%ld,%ld,%ld pid=%lu visible=%d foreground=%d xid=%lu\n",
                    wr.left,
                    wr.top,
                    wr.right,
                    wr.bottom,
                    static_cast<unsigned long>(pid),
                    IsWindowVisible(hwnd) ? 1 : 0,
                    GetForegroundWindow() == hwnd ? 1 : 0,
                    static_cast<unsigned long>(xid));
    }
    return 0;
}

BOOL CALLBACK PrintVisibleWindow(HWND hwnd, LPARAM)
{
    if (!IsWindowVisible(hwnd))
        return TRUE;
    char cls[64] = {};
    char title[256] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    std::printf("pid=%lu class=%s title=%s\n", static_cast<unsigned long>(pid), cls, title);
    return TRUE;
}

// Every visible top-level window of the session, one line each: a message
// box or an error dialog shows up here whoever made it.
int Windows()
{
    EnumWindows(PrintVisibleWindow, 0);
    return 0;
}

int Foreground()
{
    HWND hwnd = GetForegroundWindow();
    if (hwnd == nullptr) {
        std::printf("none\n");
        return 1;
    }
    char title[256] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    std::printf("title=%s\n", title);
    return 0;
}

int CodePage()
{
    std::printf("acp=%u\n", GetACP());
    return 0;
}

int Usage()
{
    std::fprintf(
        stderr,
        "usage: probe props|set-props S XY|frame|window T|capture T|label T F|dialog T|names T|clipboard-bitmap FILE|set-clipboard-text T|"
        "clipboard-text|hold-clipboard [MS]|pattern X Y W H|focus|frames|windows|lock-file PATH|"
        "activate T|idle|capture-command|move-frame X Y|display-changed|foreground|code-page|focus count-repeats|"
        "repeats\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const std::string cmd = argv[1];
    if (cmd == "props")
        return Props();
    if (cmd == "set-props" && argc == 4)
        return SetProps(std::strtoul(argv[2], nullptr, 10), std::strtoul(argv[3], nullptr, 10));
    if (cmd == "window" && argc == 3)
        return Window(argv[2]);
    if (cmd == "capture" && argc == 3)
        return Capture(argv[2]);
    if (cmd == "label" && argc == 4)
        return Label(argv[2], argv[3], LabelBox{});
    if (cmd == "label" && argc == 7)
        return Label(argv[2], argv[3], LabelBox{std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])});
    if (cmd == "dialog" && argc == 3)
        return Dialog(WideArgument(2));
    if (cmd == "names" && argc == 3)
        return Names(WideArgument(2));
    if (cmd == "frame" && argc == 6)
        return Frame(Bands{std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5])});
    if (cmd == "frame")
        return Frame(Bands{});
    if (cmd == "clipboard-bitmap" && argc == 3)
        return ClipboardBitmap(argv[2]);
    if (cmd == "set-clipboard-text" && argc == 3)
        return SetClipboardText(argv[2]);
    if (cmd == "clipboard-text")
        return ClipboardText();
    if (cmd == "hold-clipboard" && argc == 3)
        return HoldClipboard(std::atoi(argv[2]));
    if (cmd == "pattern" && argc == 6)
        return ShowWindowUntilClosed(
            "Probe pattern",
            std::atoi(argv[2]),
            std::atoi(argv[3]),
            std::atoi(argv[4]),
            std::atoi(argv[5]),
            PatternProc);
    if (cmd == "activate" && argc == 3)
        return Activate(argv[2]);
    if (cmd == "hold-clipboard")
        return HoldClipboardUntilReleased();
    if (cmd == "lock-file" && argc == 3)
        return LockFile(argv[2]);
    if (cmd == "idle")
        return Idle();
    if (cmd == "capture-command")
        return CaptureCommand();
    if (cmd == "move-frame" && argc == 4)
        return MoveFrame(std::atoi(argv[2]), std::atoi(argv[3]));
    if (cmd == "display-changed")
        return DisplayChanged();
    if (cmd == "frames")
        return Frames();
    if (cmd == "windows")
        return Windows();
    if (cmd == "foreground")
        return Foreground();
    if (cmd == "code-page")
        return CodePage();
    if (cmd == "focus" && argc == 3 && std::strcmp(argv[2], "count-repeats") == 0)
        return FocusCountingRepeats();
    if (cmd == "focus")
        return ShowWindowUntilClosed("Probe focus", 700, 600, 200, 100, FocusProc);
    if (cmd == "repeats")
        return Repeats();
    return Usage();
}
