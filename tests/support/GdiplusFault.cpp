// A stand-in for gdiplus.dll that makes GDI+ fail on demand, for the fault
// journeys. Built as gdiplusfault.dll in a folder of its own; a journey
// installs it as gdiplus.dll in the system folder of its own Wine prefix,
// keeping the real one beside it as gdiplus-real.dll, or plants it beside a
// copy of vantik.exe to show that it is not loaded from there. Never next
// to the build's programs.
//
// Every call reads gdiplus-fault.txt beside the DLL:
//   startup   GdiplusStartup fails
//   save      GdipSaveImageToFile fails, writing nothing
//   (no file, or anything else)  every call goes to the real GDI+
// Each call it takes is appended to gdiplus-calls.log beside it, and each
// process that loads it to gdiplus-loaded.log, so a test can tell whether
// the stand-in, not the system's GDI+, was loaded.
#include "framework/ProcAddress.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The GDI+ status values this stand-in returns.
constexpr int kGenericError = 1;
constexpr int kWin32Error = 7;

HMODULE g_self = nullptr;

std::string BesideSelf(const char* name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(g_self, path, MAX_PATH);
    char* slash = std::strrchr(path, '\\');
    if (slash != nullptr)
        slash[1] = '\0';
    return std::string(path) + name;
}

std::string Mode()
{
    std::string mode;
    std::FILE* f = std::fopen(BesideSelf("gdiplus-fault.txt").c_str(), "rb");
    if (f == nullptr)
        return mode;
    char buffer[32] = {};
    const size_t n = std::fread(buffer, 1, sizeof buffer - 1, f);
    std::fclose(f);
    mode.assign(buffer, n);
    while (!mode.empty() && (mode.back() == '\n' || mode.back() == '\r' || mode.back() == ' '))
        mode.pop_back();
    return mode;
}

void Record(const char* call, const std::string& mode)
{
    std::FILE* f = std::fopen(BesideSelf("gdiplus-calls.log").c_str(), "ab");
    if (f == nullptr)
        return;
    std::fprintf(f, "%s %s\n", call, mode.empty() ? "pass" : mode.c_str());
    std::fclose(f);
}

// The real GDI+, loaded by full path, as this module has its name:
// gdiplus-real.dll beside it where there is one, else the system's.
HMODULE RealGdiplus()
{
    static HMODULE real = nullptr;
    if (real == nullptr) {
        real = LoadLibraryA(BesideSelf("gdiplus-real.dll").c_str());
        if (real == nullptr) {
            char dir[MAX_PATH] = {};
            GetSystemDirectoryA(dir, MAX_PATH);
            real = LoadLibraryA((std::string(dir) + "\\gdiplus.dll").c_str());
        }
        if (real == g_self)
            real = nullptr;
    }
    return real;
}

// Appends the loading program's path to gdiplus-loaded.log, through
// kernel32's file calls, as the loader lock is held.
void RecordLoad()
{
    char program[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH - 2);
    program[length] = '\r';
    program[length + 1] = '\n';
    HANDLE log = CreateFileA(
        BesideSelf("gdiplus-loaded.log").c_str(),
        FILE_APPEND_DATA,
        FILE_SHARE_READ,
        nullptr,
        OPEN_ALWAYS,
        FILE_ATTRIBUTE_NORMAL,
        nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(log, program, length + 2, &written, nullptr);
    CloseHandle(log);
}

// The real function of the same name as `stand_in`, and so of its type.
template <typename Fn> Fn RealFn(Fn /*stand_in*/, const char* name)
{
    HMODULE real = RealGdiplus();
    return real != nullptr ? ProcAddress<Fn>(real, name) : nullptr;
}

} // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_self = instance;
        RecordLoad();
    }
    return TRUE;
}

__declspec(dllexport) int WINAPI GdiplusStartup(ULONG_PTR* token, const void* input, void* output)
{
    const std::string mode = Mode();
    Record("GdiplusStartup", mode);
    if (mode == "startup")
        return kGenericError;
    auto fn = RealFn(&GdiplusStartup, "GdiplusStartup");
    return fn != nullptr ? fn(token, input, output) : kGenericError;
}

__declspec(dllexport) void WINAPI GdiplusShutdown(ULONG_PTR token)
{
    auto fn = RealFn(&GdiplusShutdown, "GdiplusShutdown");
    if (fn != nullptr)
        fn(token);
}

__declspec(dllexport) int WINAPI GdipGetImageEncodersSize(UINT* count, UINT* size)
{
    auto fn = RealFn(&GdipGetImageEncodersSize, "GdipGetImageEncodersSize");
    return fn != nullptr ? fn(count, size) : kGenericError;
}

__declspec(dllexport) int WINAPI GdipGetImageEncoders(UINT count, UINT size, void* encoders)
{
    auto fn = RealFn(&GdipGetImageEncoders, "GdipGetImageEncoders");
    return fn != nullptr ? fn(count, size, encoders) : kGenericError;
}

__declspec(dllexport) int WINAPI GdipCreateBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette, void** image)
{
    auto fn = RealFn(&GdipCreateBitmapFromHBITMAP, "GdipCreateBitmapFromHBITMAP");
    return fn != nullptr ? fn(bitmap, palette, image) : kGenericError;
}

__declspec(dllexport) int WINAPI
    GdipSaveImageToFile(void* image, const WCHAR* path, const CLSID* encoder, const void* parameters)
{
    const std::string mode = Mode();
    Record("GdipSaveImageToFile", mode);
    if (mode == "save")
        return kWin32Error;
    auto fn = RealFn(&GdipSaveImageToFile, "GdipSaveImageToFile");
    return fn != nullptr ? fn(image, path, encoder, parameters) : kGenericError;
}

__declspec(dllexport) int WINAPI GdipDisposeImage(void* image)
{
    auto fn = RealFn(&GdipDisposeImage, "GdipDisposeImage");
    return fn != nullptr ? fn(image) : kGenericError;
}

} // extern "C"
