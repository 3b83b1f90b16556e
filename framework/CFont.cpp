#include "framework/CFont.h"

#include "framework/GbkText.h"

#include <cstddef>
#include <cstring>
#include <cwchar>

namespace {

// LOGFONTA and LOGFONTW differ only in the face name's characters.
LOGFONTW WideLogFont(const LOGFONTA& lf)
{
    LOGFONTW wide{};
    std::memcpy(&wide, &lf, offsetof(LOGFONTA, lfFaceName));
    const std::wstring face = WideFromGbk(lf.lfFaceName, static_cast<int>(strnlen(lf.lfFaceName, LF_FACESIZE)));
    face.copy(wide.lfFaceName, LF_FACESIZE - 1);
    return wide;
}

LOGFONTA GbkLogFont(const LOGFONTW& wide)
{
    LOGFONTA lf{};
    std::memcpy(&lf, &wide, offsetof(LOGFONTW, lfFaceName));
    const std::string face = GbkFromWide(wide.lfFaceName, static_cast<int>(wcsnlen(wide.lfFaceName, LF_FACESIZE)));
    face.copy(lf.lfFaceName, GbkFitLength(face, LF_FACESIZE - 1));
    return lf;
}

} // namespace

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont)
{
    if (lpLogFont == nullptr)
        return Attach(nullptr);
    const LOGFONTW wide = WideLogFont(*lpLogFont);
    return Attach(::CreateFontIndirectW(&wide));
}

int CFont::GetLogFont(LOGFONTA* pLogFont) const
{
    LOGFONTW wide{};
    if (pLogFont == nullptr || ::GetObjectW(m_hObject, sizeof wide, &wide) != static_cast<int>(sizeof wide))
        return 0;
    *pLogFont = GbkLogFont(wide);
    return sizeof(LOGFONTA);
}
