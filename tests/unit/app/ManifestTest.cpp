// The program's manifest, read from the built vantik.exe: common controls
// 6.0.0.0, and DPI awareness, without which a scaled display would capture a
// scaled and shifted area.
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
    EXPECT_NE(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>"),
              std::string::npos) << manifest;
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos) << manifest;
}

} // namespace
