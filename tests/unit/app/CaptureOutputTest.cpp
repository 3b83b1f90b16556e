#include "app/BitmapImage.h"
#include "app/GdiplusState.h"
#include "app/PutBitmapOnClipboard.h"
#include "framework/GbkText.h"
#include "tests/unit/PixelTestSupport.h"
#include "tests/unit/soak/ImportPatch.h"

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

const std::vector<COLORREF> kPattern{
    RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 0, 255), RGB(254, 0, 255), RGB(12, 34, 56)};

std::wstring TempFile(const wchar_t* name)
{
    wchar_t dir[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

// Pixels of a BMP file, read back by the platform's own loader.
std::vector<COLORREF> ReadBmpFile(const std::wstring& path)
{
    HANDLE h = LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (h == nullptr)
        return {};
    CBitmap bitmap;
    bitmap.Attach(h);
    return ReadPixels(bitmap);
}

bool IsLiveGdiObject(HGDIOBJ h) { return GetObjectType(h) != 0; }

TEST(BitmapImage, SavesExactPixelsAsBmpAndOverwrites)
{
    const std::wstring path = TempFile(L"bitmap image test.bmp");
    DeleteFileW(path.c_str());
    {
        CBitmap first = MakeBitmap(3, 2, kPattern);
        BitmapImage image;
        image.Attach(static_cast<HBITMAP>(first.Detach()), true);
        ASSERT_EQ(image.Save(path.c_str(), Gdiplus::ImageFormatBMP), S_OK);
    }
    EXPECT_EQ(ReadBmpFile(path), kPattern);

    const std::vector<COLORREF> second(4 * 3, RGB(7, 8, 9));
    {
        CBitmap bitmap = MakeBitmap(4, 3, second);
        BitmapImage image;
        image.Attach(static_cast<HBITMAP>(bitmap.Detach()), true);
        ASSERT_EQ(image.Save(path.c_str(), Gdiplus::ImageFormatBMP), S_OK);
    }
    EXPECT_EQ(ReadBmpFile(path), second) << "the second save did not replace the file";
    DeleteFileW(path.c_str());
}

TEST(BitmapImage, FailuresAreReportedAsFailures)
{
    CBitmap bitmap = MakeBitmap(3, 2, kPattern);
    BitmapImage image;
    image.Attach(bitmap.GetSafeHandle(), false);
    const GUID noSuchFormat{0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
    EXPECT_EQ(image.Save(TempFile(L"never.bmp").c_str(), noSuchFormat), E_FAIL);
    EXPECT_EQ(image.Save(L"C:\\no such folder\\x\\vantikbitmap.bmp", Gdiplus::ImageFormatBMP), E_FAIL);

    BitmapImage empty;
    EXPECT_EQ(empty.Save(TempFile(L"empty.bmp").c_str(), Gdiplus::ImageFormatBMP), E_FAIL);
}

TEST(BitmapImage, DeletesOnlyHandlesItMayDelete)
{
    CBitmap owned = MakeBitmap(3, 2, kPattern);
    CBitmap foreign = MakeBitmap(3, 2, kPattern);
    HGDIOBJ ownedHandle = owned.Detach();
    {
        BitmapImage a;
        a.Attach(static_cast<HBITMAP>(ownedHandle), true);
        BitmapImage b;
        b.Attach(foreign.GetSafeHandle(), false);
    }
    EXPECT_FALSE(IsLiveGdiObject(ownedHandle));
    EXPECT_TRUE(IsLiveGdiObject(foreign.GetSafeHandle()));
}

// The library itself is loaded by the first save, not at start-up, and stays
// loaded; GDI+ runs only while images exist.
TEST(GdiplusState, RunsOnlyWhileImagesExist)
{
    EXPECT_EQ(GetModuleHandleA("gdiplus.dll"), nullptr) << "GDI+ was loaded before anything was saved";
    GdiplusState& state = GdiplusState::Instance();
    EXPECT_FALSE(state.IsStarted());
    CBitmap bitmap = MakeBitmap(3, 2, kPattern);
    const std::wstring path = TempFile(L"gdiplus state test.bmp");
    {
        BitmapImage outer;
        {
            BitmapImage inner;
            inner.Attach(bitmap.GetSafeHandle(), false);
            ASSERT_EQ(inner.Save(path.c_str(), Gdiplus::ImageFormatBMP), S_OK);
            EXPECT_TRUE(state.IsStarted());
        }
        EXPECT_TRUE(state.IsStarted()) << "shut down while an image was still alive";
    }
    EXPECT_FALSE(state.IsStarted()) << "still running after the last image went away";
    EXPECT_NE(GetModuleHandleA("gdiplus.dll"), nullptr);
    DeleteFileW(path.c_str());
}

// A system that does not know the flag limiting the search to the system
// folder (Windows 7 without its update KB2533623) refuses it with
// ERROR_INVALID_PARAMETER: GDI+ must still come from the system folder.
// Every load is recorded: Wine reports its builtin GDI+ at the system
// folder's path whatever name it was asked for, so only the name passed
// shows where the program looked.
using LoadLibraryExWFn = HMODULE(WINAPI*)(LPCWSTR, HANDLE, DWORD);
using LoadLibraryWFn = HMODULE(WINAPI*)(LPCWSTR);
LoadLibraryExWFn g_loadLibraryExW = nullptr;
LoadLibraryWFn g_loadLibraryW = nullptr;
int g_refusedSearchFlags = 0;
struct LoadCall {
    std::wstring name;
    DWORD flags;
};
std::vector<LoadCall> g_loads;

HMODULE WINAPI RefuseSearchFlags(LPCWSTR name, HANDLE file, DWORD flags)
{
    g_loads.push_back(LoadCall{name, flags});
    if ((flags & LOAD_LIBRARY_SEARCH_SYSTEM32) != 0) {
        ++g_refusedSearchFlags;
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return g_loadLibraryExW(name, file, flags);
}

HMODULE WINAPI RecordLoadLibraryW(LPCWSTR name)
{
    g_loads.push_back(LoadCall{name, 0});
    return g_loadLibraryW(name);
}

TEST(GdiplusState, LoadsTheLibraryFromTheSystemFolderEvenWhereTheSearchFlagIsRefused)
{
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    const std::wstring expected = std::wstring(folder) + L"\\gdiplus.dll";
    HMODULE module = nullptr;
    g_loads.clear();
    {
        ImportPatch refuse("kernel32.dll", "LoadLibraryExW", reinterpret_cast<void*>(&RefuseSearchFlags));
        ASSERT_TRUE(refuse.Applied()) << "LoadLibraryExW is not imported by name";
        g_loadLibraryExW = reinterpret_cast<LoadLibraryExWFn>(refuse.Original());
        ImportPatch record("kernel32.dll", "LoadLibraryW", reinterpret_cast<void*>(&RecordLoadLibraryW));
        ASSERT_TRUE(record.Applied()) << "LoadLibraryW is not imported by name";
        g_loadLibraryW = reinterpret_cast<LoadLibraryWFn>(record.Original());
        module = GdiplusState::LoadFromSystemFolder();
    }
    EXPECT_EQ(g_refusedSearchFlags, 1) << "the search flag was not asked for";
    ASSERT_NE(module, nullptr) << "no GDI+ where the flag is refused";
    bool byFullPath = false;
    for (const LoadCall& call : g_loads) {
        const bool fullPath = lstrcmpiW(call.name.c_str(), expected.c_str()) == 0;
        byFullPath = byFullPath || fullPath;
        EXPECT_TRUE(fullPath || (call.flags & LOAD_LIBRARY_SEARCH_SYSTEM32) != 0)
            << "loaded by \"" << GbkFromWide(call.name.c_str()) << "\" with flags " << call.flags
            << ", open to the search path";
    }
    EXPECT_TRUE(byFullPath) << "GDI+ was never named by its path in the system folder";
    wchar_t loaded[MAX_PATH] = {};
    GetModuleFileNameW(module, loaded, MAX_PATH);
    EXPECT_EQ(lstrcmpiW(loaded, expected.c_str()), 0) << GbkFromWide(loaded);
    FreeLibrary(module);
}

// Puts text on the clipboard, so a test can tell whether it was replaced.
void PutTextOnClipboard(const char* text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const size_t size = strlen(text) + 1;
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(mem), text, size);
    GlobalUnlock(mem);
    SetClipboardData(CF_TEXT, mem);
    CloseClipboard();
}

TEST(Clipboard, TakesTheBitmapAsItsOnlyContent)
{
    PutTextOnClipboard("old");
    CBitmap bitmap = MakeBitmap(3, 2, kPattern);
    ASSERT_TRUE(PutBitmapOnClipboard(&bitmap));
    bitmap.Detach(); // it belongs to the clipboard now
    EXPECT_EQ(ClipboardBitmapPixels(), kPattern);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT)) << "the old text survived";
    EXPECT_EQ(GetClipboardOwner(), GetDesktopWindow());
}

TEST(Clipboard, NullOrEmptyBitmapLeavesTheClipboardAlone)
{
    PutTextOnClipboard("kept");
    CBitmap empty;
    EXPECT_FALSE(PutBitmapOnClipboard(nullptr));
    EXPECT_FALSE(PutBitmapOnClipboard(&empty));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
}

// Another thread stands in for another program holding the clipboard open.
class ClipboardHolder {
public:
    explicit ClipboardHolder(DWORD holdMs)
    {
        m_thread = std::thread([this, holdMs] {
            m_opened = OpenClipboard(nullptr) != FALSE;
            SetEvent(m_ready);
            Sleep(holdMs);
            if (m_opened)
                CloseClipboard();
        });
        WaitForSingleObject(m_ready, 5000);
    }
    ~ClipboardHolder()
    {
        m_thread.join();
        CloseHandle(m_ready);
    }
    bool Opened() const { return m_opened; }

private:
    HANDLE m_ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool m_opened = false;
    std::thread m_thread;
};

TEST(Clipboard, HeldOpenByAnotherKeepsItsOldContent)
{
    PutTextOnClipboard("old");
    CBitmap bitmap = MakeBitmap(3, 2, kPattern);
    {
        ClipboardHolder holder(1500);
        ASSERT_TRUE(holder.Opened());
        EXPECT_FALSE(PutBitmapOnClipboard(&bitmap));
    }
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
}

TEST(Clipboard, ABriefHoldIsWaitedOut)
{
    CBitmap bitmap = MakeBitmap(3, 2, kPattern);
    {
        ClipboardHolder holder(30);
        ASSERT_TRUE(holder.Opened());
        EXPECT_TRUE(PutBitmapOnClipboard(&bitmap));
    }
    bitmap.Detach();
    EXPECT_EQ(ClipboardBitmapPixels(), kPattern);
}

} // namespace
