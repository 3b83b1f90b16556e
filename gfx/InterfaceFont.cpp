#include "gfx/InterfaceFont.h"

#include <cstring>

namespace {

CFont g_interfaceFont;

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

CFont* GetInterfaceFont()
{
    if (g_interfaceFont.GetSafeHandle() == nullptr) {
        const LOGFONTA lf = InterfaceLogFont(12, FW_NORMAL);
        g_interfaceFont.CreateFontIndirect(&lf);
    }
    return &g_interfaceFont;
}
