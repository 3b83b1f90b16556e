// A whole capture of a screen area, in a real window on the rig's display:
// the pixels, the three outputs and GDI+'s lifetime around them.
#include "app/GdiplusState.h"
#include "app/OutputPath.h"
#include "app/PaintProgram.h"
#include "app/ScreenCapture.h"
#include "framework/CBitmap.h"
#include "tests/unit/PixelTestSupport.h"
#include "tests/unit/soak/ImportPatch.h"
#include "tests/unit/soak/SoakSupport.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

COLORREF PatternColour(int x, int y) { return RGB((x * 11) & 0xFF, (y * 13) & 0xFF, (x + y) & 0xFF); }

LRESULT CALLBACK PatternProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ERASEBKGND)
        return 1;
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 120; ++x)
                SetPixel(dc, x, y, PatternColour(x, y));
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void PumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(10);
    }
}

// A topmost 120 x 80 pattern window at (x, y), once its last pixel is on the
// screen; null when it never gets there.
HWND ShowPattern(const char* className, int x, int y)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = PatternProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(
        WS_EX_TOPMOST,
        className,
        className,
        WS_POPUP | WS_VISIBLE,
        x,
        y,
        120,
        80,
        nullptr,
        nullptr,
        wc.hInstance,
        nullptr);
    if (hwnd == nullptr)
        return nullptr;
    UpdateWindow(hwnd);
    bool painted = false;
    for (int i = 0; i < 100 && !painted; ++i) {
        PumpFor(50);
        HDC screen = GetDC(nullptr);
        painted = GetPixel(screen, x + 119, y + 79) == PatternColour(119, 79);
        ReleaseDC(nullptr, screen);
    }
    if (!painted)
        DestroyWindow(hwnd);
    return painted ? hwnd : nullptr;
}

// The pattern's pixels from (x0, y0) within it, w x h of them.
std::vector<COLORREF> PatternPixels(int x0, int y0, int w, int h)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels.push_back(PatternColour(x0 + x, y0 + y));
    return pixels;
}

// The pixels of a BMP file; empty when there is none.
std::vector<COLORREF> FilePixels(const std::wstring& path)
{
    HANDLE file = LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (file == nullptr)
        return {};
    CBitmap saved;
    saved.Attach(file);
    return ReadPixels(saved);
}

std::string Utf8(const std::wstring& text)
{
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &utf8[0], size, nullptr, nullptr);
    return utf8;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Sends the Paint stand-in's log to a file of the test's own while it
// lives. The stand-in logs each command line in UTF-8.
class PaintLog {
public:
    explicit PaintLog(const char* name)
    {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        m_path = std::string(folder) + name;
        DeleteFileA(m_path.c_str());
        SetEnvironmentVariableA("VANTIK_PAINT_LOG", m_path.c_str());
    }
    ~PaintLog()
    {
        SetEnvironmentVariableA("VANTIK_PAINT_LOG", nullptr);
        DeleteFileA(m_path.c_str());
    }
    PaintLog(const PaintLog&) = delete;
    PaintLog& operator=(const PaintLog&) = delete;

    // The first start's command line, waited for; empty when none came.
    std::string WaitForStart() const
    {
        std::string started;
        for (int i = 0; i < 200 && started.empty(); ++i) {
            Sleep(50);
            started = ReadFile(m_path);
        }
        return started;
    }

private:
    std::string m_path;
};

TEST(ScreenCapture, DeliversTheAreaToClipboardFileAndPaintWithGdiplusOnlyDuringIt)
{
    HWND hwnd = ShowPattern("VantikCapturePattern", 200, 150);
    ASSERT_NE(hwnd, nullptr) << "the pattern never reached the screen";
    const PaintLog paint("screen capture test paint.log");
    const std::wstring output = CurrentOutputPath();
    DeleteFileW(output.c_str());

    // The area: 50 x 30 pixels starting 10, 20 into the pattern.
    const std::vector<COLORREF> expected = PatternPixels(10, 20, 50, 30);
    const RECT area{210, 170, 260, 200};

    EXPECT_FALSE(GdiplusState::Instance().IsStarted()) << "GDI+ runs before the capture";
    CaptureScreenArea(area);
    EXPECT_FALSE(GdiplusState::Instance().IsStarted()) << "GDI+ still runs after the capture";

    EXPECT_EQ(ClipboardBitmapPixels(), expected) << "the clipboard does not hold the area";
    EXPECT_EQ(FilePixels(output), expected) << "the file at " << Utf8(output) << " does not hold the area";

    const std::string started = paint.WaitForStart();
    EXPECT_NE(started.find("mspaint"), std::string::npos) << started;
    EXPECT_NE(started.find(Utf8(L"\"" + output + L"\"")), std::string::npos)
        << "Paint was not given the quoted path: " << started;
    DestroyWindow(hwnd);
    DeleteFileW(output.c_str());
}

// A viewport hanging over the screen's edge: what shows of it is captured,
// the rest is black.
TEST(ScreenCapture, AnAreaPastTheScreensEdgeKeepsItsVisiblePixels)
{
    const int sw = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int sh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    HWND hwnd = ShowPattern("VantikCornerPattern", sw - 120, sh - 80);
    ASSERT_NE(hwnd, nullptr) << "the pattern never reached the screen";

    // 50 x 30 of it on the screen, 30 more columns right and 20 rows below.
    std::vector<COLORREF> expected;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 80; ++x)
            expected.push_back(x < 50 && y < 30 ? PatternColour(70 + x, 50 + y) : RGB(0, 0, 0));
    CaptureScreenArea(RECT{sw - 50, sh - 30, sw + 30, sh + 20});
    EXPECT_EQ(ClipboardBitmapPixels(), expected) << "the clipboard does not hold the visible part";
    DestroyWindow(hwnd);
    DeleteFileW(CurrentOutputPath().c_str());
}

// Empties the clipboard the moment a capture has handed its bitmap over, as
// a clipboard manager or a remote-desktop session may: the system deletes a
// handed-over bitmap when the clipboard is emptied. Under Wine only an
// emptying by the process that set the bitmap deletes it (a second
// program's leaves it alive until this process next touches the
// clipboard), so the emptying is done here, right after the capture's
// CloseClipboard.
class ClipboardEmptiedAfterHandOver {
public:
    ClipboardEmptiedAfterHandOver() : m_patch("user32.dll", "CloseClipboard", reinterpret_cast<void*>(&CloseThenEmpty))
    {
        s_pThis = this;
    }
    ~ClipboardEmptiedAfterHandOver() { s_pThis = nullptr; }
    ClipboardEmptiedAfterHandOver(const ClipboardEmptiedAfterHandOver&) = delete;
    ClipboardEmptiedAfterHandOver& operator=(const ClipboardEmptiedAfterHandOver&) = delete;

    bool Applied() const { return m_patch.Applied(); }
    // Whether the emptying deleted the bitmap handed over.
    bool DeletedByEmptying() const { return m_deleted; }

private:
    static BOOL WINAPI CloseThenEmpty()
    {
        ClipboardEmptiedAfterHandOver& self = *s_pThis;
        const auto close = reinterpret_cast<BOOL(WINAPI*)()>(self.m_patch.Original());
        const BOOL closed = close();
        if (!self.m_handedOver && OpenClipboard(nullptr)) {
            HGDIOBJ bitmap = GetClipboardData(CF_BITMAP);
            self.m_handedOver = bitmap != nullptr;
            EmptyClipboard();
            close();
            self.m_deleted = bitmap != nullptr && GetObjectType(bitmap) == 0;
        }
        return closed;
    }

    static ClipboardEmptiedAfterHandOver* s_pThis;
    ImportPatch m_patch;
    bool m_handedOver = false;
    bool m_deleted = false;
};

ClipboardEmptiedAfterHandOver* ClipboardEmptiedAfterHandOver::s_pThis = nullptr;

TEST(ScreenCapture, TheFileKeepsTheAreaWhenTheClipboardIsEmptiedRightAfterTheHandOver)
{
    HWND hwnd = ShowPattern("VantikEmptiedPattern", 200, 150);
    ASSERT_NE(hwnd, nullptr) << "the pattern never reached the screen";
    const std::wstring output = CurrentOutputPath();
    DeleteFileW(output.c_str());
    {
        ClipboardEmptiedAfterHandOver emptied;
        ASSERT_TRUE(emptied.Applied()) << "CloseClipboard is not imported by name";
        const CaptureOutcome outcome = CaptureScreenArea(RECT{210, 170, 260, 200});
        ASSERT_TRUE(outcome.onClipboard) << "the capture handed no bitmap to the clipboard";
        ASSERT_TRUE(emptied.DeletedByEmptying()) << "emptying the clipboard left its bitmap alive";
        EXPECT_EQ(outcome.saved, S_OK);
    }
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_EQ(FilePixels(output), PatternPixels(10, 20, 50, 30)) << "the file lost the area";
    DestroyWindow(hwnd);
    DeleteFileW(output.c_str());
}

// The temporary folder as TMP and TEMP name it for this process, while this
// lives.
class TemporaryFolderSetTo {
public:
    explicit TemporaryFolderSetTo(const std::wstring& folder) : m_tmp(Get(L"TMP")), m_temp(Get(L"TEMP"))
    {
        SetEnvironmentVariableW(L"TMP", folder.c_str());
        SetEnvironmentVariableW(L"TEMP", folder.c_str());
    }
    ~TemporaryFolderSetTo()
    {
        SetEnvironmentVariableW(L"TMP", m_tmp.empty() ? nullptr : m_tmp.c_str());
        SetEnvironmentVariableW(L"TEMP", m_temp.empty() ? nullptr : m_temp.c_str());
    }
    TemporaryFolderSetTo(const TemporaryFolderSetTo&) = delete;
    TemporaryFolderSetTo& operator=(const TemporaryFolderSetTo&) = delete;

private:
    static std::wstring Get(const wchar_t* name)
    {
        wchar_t value[MAX_PATH] = {};
        GetEnvironmentVariableW(name, value, MAX_PATH);
        return value;
    }
    std::wstring m_tmp;
    std::wstring m_temp;
};

// The error sounds the program asks for while this lives; none is played.
class ErrorSounds {
public:
    ErrorSounds() : m_patch("user32.dll", "MessageBeep", reinterpret_cast<void*>(&Record)) { s_sounds.clear(); }
    ErrorSounds(const ErrorSounds&) = delete;
    ErrorSounds& operator=(const ErrorSounds&) = delete;

    bool Applied() const { return m_patch.Applied(); }
    static std::vector<UINT> s_sounds;

private:
    static BOOL WINAPI Record(UINT type)
    {
        s_sounds.push_back(type);
        return TRUE;
    }
    ImportPatch m_patch;
};

std::vector<UINT> ErrorSounds::s_sounds;

// A temporary folder that does not exist: the file cannot be written, so
// Paint, which would show whatever an earlier capture left there, is not
// started, and the error sound plays; the clipboard still gets the area.
TEST(ScreenCapture, AFileNotWrittenStartsNoPaintAndSoundsTheError)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring missing = std::wstring(temp) + L"vantik no such folder";
    RemoveDirectoryW(missing.c_str());
    const soak::ShellExecuteRecorder shell;
    const ErrorSounds sounds;
    ASSERT_TRUE(shell.Applied() && sounds.Applied()) << "ShellExecuteW or MessageBeep is not imported by name";
    {
        const TemporaryFolderSetTo gone(missing);
        CaptureScreenArea(RECT{0, 0, 30, 20});
    }
    EXPECT_EQ(ClipboardBitmapPixels().size(), 30u * 20u) << "the clipboard did not get the area";
    EXPECT_EQ(shell.Total(), 0) << shell.Describe();
    EXPECT_EQ(ErrorSounds::s_sounds, std::vector<UINT>{MB_ICONHAND});
}

// Paint registered under the shell's App Paths for this user while this
// lives, as a file of the test's own.
class RegisteredPaint {
public:
    RegisteredPaint()
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"vantik registered paint";
        CreateDirectoryW(m_folder.c_str(), nullptr);
        m_program = m_folder + L"\\mspaint.exe";
        CloseHandle(CreateFileW(m_program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD disposition = 0;
        m_created =
            RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &m_key, &disposition) ==
                ERROR_SUCCESS &&
            disposition == REG_CREATED_NEW_KEY;
    }
    ~RegisteredPaint()
    {
        if (m_key != nullptr)
            RegCloseKey(m_key);
        if (m_created)
            RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
        DeleteFileW(m_program.c_str());
        RemoveDirectoryW(m_folder.c_str());
    }
    RegisteredPaint(const RegisteredPaint&) = delete;
    RegisteredPaint& operator=(const RegisteredPaint&) = delete;

    // False when the key was there already: it is not the test's to change.
    bool Created() const { return m_created; }
    const std::wstring& Program() const { return m_program; }
    bool Set(const std::wstring& value) const
    {
        const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
        return RegSetValueExW(m_key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) ==
               ERROR_SUCCESS;
    }

private:
    static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\mspaint.exe";
    std::wstring m_folder;
    std::wstring m_program;
    HKEY m_key = nullptr;
    bool m_created = false;
};

std::wstring FolderWithoutPaint()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"vantik system folder without paint";
}

// Stands in for GetSystemDirectoryW: a folder that exists and holds no Paint.
UINT WINAPI SystemFolderWithoutPaint(LPWSTR buffer, UINT size)
{
    const std::wstring folder = FolderWithoutPaint();
    CreateDirectoryW(folder.c_str(), nullptr);
    if (size <= folder.size())
        return static_cast<UINT>(folder.size() + 1);
    lstrcpyW(buffer, folder.c_str());
    return static_cast<UINT>(folder.size());
}

// Started by a bare name, the shell would look in the current folder and the
// program's own before the system folder. The rig's system folder holds the
// Paint stand-in.
TEST(PaintProgram, IsStartedByItsFullPathInTheSystemFolderOrWhereItIsRegistered)
{
    const soak::ShellExecuteRecorder shell;
    ASSERT_TRUE(shell.Applied());
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    OpenInPaint(L"C:\\a b\\vantikbitmap.bmp");
    EXPECT_EQ(shell.Count(Utf8(std::wstring(system) + L"\\mspaint.exe"), "\"C:\\a b\\vantikbitmap.bmp\""), 1)
        << shell.Describe();
    {
        // The recorder answers as a shell that could not start the program.
        const ErrorSounds sounds;
        CaptureScreenArea(RECT{0, 0, 30, 20});
        EXPECT_EQ(ErrorSounds::s_sounds, std::vector<UINT>{MB_ICONHAND}) << "Paint not started, no sound";
    }

    // A system folder without Paint: the program registered for it, in
    // quotes as installers write it; a registered bare name is no path.
    const RegisteredPaint registered;
    ASSERT_TRUE(registered.Created());
    const ImportPatch noPaintInSystem(
        "kernel32.dll", "GetSystemDirectoryW", reinterpret_cast<void*>(&SystemFolderWithoutPaint));
    ASSERT_TRUE(noPaintInSystem.Applied());
    ASSERT_TRUE(registered.Set(L"\"" + registered.Program() + L"\""));
    OpenInPaint(L"C:\\x.bmp");
    EXPECT_EQ(shell.Count(Utf8(registered.Program()), "\"C:\\x.bmp\""), 1) << shell.Describe();

    ASSERT_TRUE(registered.Set(L"mspaint.exe"));
    EXPECT_FALSE(OpenInPaint(L"C:\\y.bmp"));
    EXPECT_EQ(shell.Total(), 3) << "started by name: " << shell.Describe(); // with the capture's
    RemoveDirectoryW(FolderWithoutPaint().c_str());
}

// Stands in for SHGetKnownFolderPath: the user's local application data is
// a folder of the test's own, which may hold Windows 11's alias for Paint.
std::wstring LocalAppDataStandIn()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"vantik local app data";
}

HRESULT WINAPI KnownFolderStandIn(REFKNOWNFOLDERID, DWORD, HANDLE, PWSTR* path)
{
    const std::wstring folder = LocalAppDataStandIn();
    *path = static_cast<PWSTR>(CoTaskMemAlloc((folder.size() + 1) * sizeof(wchar_t)));
    lstrcpyW(*path, folder.c_str());
    return S_OK;
}

// The registry views App Paths is read in, as (root, KEY_WOW64_64KEY asked).
std::vector<std::pair<HKEY, bool>> g_appPathsReads;
ImportPatch* g_registryPatch = nullptr;

LSTATUS WINAPI OpenKeyRecorder(HKEY root, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY key)
{
    if (subKey != nullptr && std::wstring(subKey).find(L"App Paths\\mspaint.exe") != std::wstring::npos)
        g_appPathsReads.emplace_back(root, (access & KEY_WOW64_64KEY) != 0);
    const auto original = reinterpret_cast<decltype(&::RegOpenKeyExW)>(g_registryPatch->Original());
    return original(root, subKey, options, access, key);
}

// Windows 11 has no Paint in the system folder; its alias in the user's
// local application data (a zero-byte reparse point there) comes before any
// registration. Without either, the user's App Paths, then the machine's in
// the 64-bit view (a 32-bit Vantik on 64-bit Windows reads the 32-bit one
// unless asked), then in its own; nothing found, or the shell failing to
// start it, sounds the error.
TEST(PaintProgram, WithoutOneInTheSystemFolderTheAliasThenTheRegistrationsInBothViews)
{
    const ImportPatch noPaintInSystem(
        "kernel32.dll", "GetSystemDirectoryW", reinterpret_cast<void*>(&SystemFolderWithoutPaint));
    const ImportPatch knownFolder("shell32.dll", "SHGetKnownFolderPath", reinterpret_cast<void*>(&KnownFolderStandIn));
    ImportPatch openKey("advapi32.dll", "RegOpenKeyExW", reinterpret_cast<void*>(&OpenKeyRecorder));
    g_registryPatch = &openKey;
    ASSERT_TRUE(noPaintInSystem.Applied() && knownFolder.Applied() && openKey.Applied());
    const std::wstring apps = LocalAppDataStandIn() + L"\\Microsoft\\WindowsApps";
    SHCreateDirectoryExW(nullptr, apps.c_str(), nullptr);
    const std::wstring alias = apps + L"\\mspaint.exe";
    CloseHandle(CreateFileW(alias.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const RegisteredPaint registered;
    ASSERT_TRUE(registered.Created() && registered.Set(registered.Program()));
    EXPECT_EQ(PaintProgramPath(), alias);

    DeleteFileW(alias.c_str());
    EXPECT_EQ(PaintProgramPath(), registered.Program());
    ASSERT_TRUE(registered.Set(L""));
    g_appPathsReads.clear();
    EXPECT_EQ(PaintProgramPath(), L"");
    const std::vector<std::pair<HKEY, bool>> views{
        {HKEY_CURRENT_USER, false}, {HKEY_LOCAL_MACHINE, true}, {HKEY_LOCAL_MACHINE, false}};
    EXPECT_EQ(g_appPathsReads, views);

    const ErrorSounds sounds;
    CaptureScreenArea(RECT{0, 0, 30, 20});
    EXPECT_EQ(ErrorSounds::s_sounds, std::vector<UINT>{MB_ICONHAND}) << "no Paint, no sound";
    g_registryPatch = nullptr;
    RemoveDirectoryW(apps.c_str());
    RemoveDirectoryW((LocalAppDataStandIn() + L"\\Microsoft").c_str());
    RemoveDirectoryW(LocalAppDataStandIn().c_str());
}

// A user name in another script than the system's: the folder's name is in
// neither code page 936 nor 1252 ("צילום מסך", Hebrew).
TEST(ScreenCapture, ATemporaryFolderNamedOutsideTheCodePageGetsTheFileAndPaintItsTruePath)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"\u05E6\u05D9\u05DC\u05D5\u05DD \u05DE\u05E1\u05DA";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring output = folder + L"\\vantikbitmap.bmp";
    DeleteFileW(output.c_str());
    const PaintLog paint("foreign temporary folder paint.log");
    {
        const TemporaryFolderSetTo foreign(folder);
        CaptureScreenArea(RECT{0, 0, 30, 20});
    }
    const std::vector<COLORREF> saved = FilePixels(output);
    EXPECT_EQ(saved.size(), 30u * 20u) << "no BMP of the area at " << Utf8(output);
    EXPECT_EQ(ClipboardBitmapPixels(), saved) << "the clipboard and the file differ";
    const std::string started = paint.WaitForStart();
    EXPECT_NE(started.find(Utf8(L"\"" + output + L"\"")), std::string::npos)
        << "Paint was not given the true quoted path: " << started;
    DeleteFileW(output.c_str());
    RemoveDirectoryW(folder.c_str());
}

} // namespace
