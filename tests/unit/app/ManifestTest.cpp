// The program's manifest, read from the built vantik.exe: common controls
// 6.0.0.0, DPI awareness, without which a scaled display would capture a
// scaled and shifted area, and the Windows versions it supports.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ProgramManifest()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string exe(path);
    exe = exe.substr(0, exe.find_last_of('\\') + 1) + "vantik.exe";
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr)
        return "cannot load " + exe;
    std::string text;
    if (HRSRC res = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, res)));
        text.assign(data, SizeofResource(module, res));
    }
    FreeLibrary(module);
    return text;
}

TEST(Manifest, BindsCommonControls6AndDeclaresDpiAwareness)
{
    const std::string manifest = ProgramManifest();
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos) << manifest;
    EXPECT_NE(
        manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>"),
        std::string::npos)
        << manifest;
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos) << manifest;
}

// Windows gives a program the behaviour of each version the manifest names
// and that of Vista for the ones it does not; an unknown or mistyped Id is
// ignored without a word.
TEST(Manifest, DeclaresWindows7To11AsSupported)
{
    const std::string manifest = ProgramManifest();
    EXPECT_NE(manifest.find("<compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">"), std::string::npos)
        << manifest;
    for (const char* id : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}" /* 7 */,
                           "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}" /* 8 */,
                           "{1f676c76-80e1-4239-95bb-83d0f6d0da78}" /* 8.1 */,
                           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}" /* 10 and 11 */})
        EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"") + id + "\"/>"), std::string::npos) << id;
}

} // namespace
