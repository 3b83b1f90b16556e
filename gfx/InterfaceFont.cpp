#include "gfx/InterfaceFont.h"

#include <cstring>

namespace {

CFont g_interfaceFont;

LOGFONTA InterfaceLogFont()
{
    LOGFONTA lf{};
    lf.lfHeight = -12;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = GB2312_CHARSET;
    std::strncpy(lf.lfFaceName, "宋体", LF_FACESIZE - 1);
    return lf;
}

} // namespace

CFont* GetInterfaceFont()
{
    if (g_interfaceFont.GetSafeHandle() == nullptr) {
        const LOGFONTA lf = InterfaceLogFont();
        g_interfaceFont.CreateFontIndirect(&lf);
    }
    return &g_interfaceFont;
}
