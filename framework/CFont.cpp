#include "framework/CFont.h"

#include "framework/GbkText.h"

#include <cstddef>
#include <cstring>

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont)
{
    if (lpLogFont == nullptr)
        return Attach(nullptr);
    // LOGFONTA and LOGFONTW differ only in the face name's characters.
    LOGFONTW wide{};
    std::memcpy(&wide, lpLogFont, offsetof(LOGFONTA, lfFaceName));
    const std::wstring face =
        WideFromGbk(lpLogFont->lfFaceName, static_cast<int>(strnlen(lpLogFont->lfFaceName, LF_FACESIZE)));
    face.copy(wide.lfFaceName, LF_FACESIZE - 1);
    return Attach(::CreateFontIndirectW(&wide));
}
