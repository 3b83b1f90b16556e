#include "gfx/InterfaceFont.h"

#include <array>
#include <cstring>

namespace {

constexpr int kInterfaceFontHeight = 12;

// One font for each scale the program may be shown at.
std::array<CFont, gfx::kScalePercents.size()> g_interfaceFonts;

} // namespace

LOGFONTA InterfaceLogFont(int pixelHeight, LONG weight)
{
    LOGFONTA lf{};
    lf.lfHeight = -pixelHeight;
    lf.lfWeight = weight;
    lf.lfCharSet = GB2312_CHARSET;
    std::strncpy(lf.lfFaceName, "宋体", LF_FACESIZE - 1);
    return lf;
}

CFont* GetInterfaceFont(const gfx::DisplayScale& scale)
{
    CFont& font = g_interfaceFonts[static_cast<std::size_t>(scale.SetIndex())];
    if (font.GetSafeHandle() == nullptr) {
        const LOGFONTA lf = InterfaceLogFont(scale.Px(kInterfaceFontHeight), FW_NORMAL);
        font.CreateFontIndirect(&lf);
    }
    return &font;
}
