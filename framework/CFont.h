#pragma once

#include "framework/CGdiObject.h"

class CFont : public CGdiObject {
public:
    CFont() = default;
    ~CFont() override = default;

    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    CFont(CFont&&) noexcept = default;
    CFont& operator=(CFont&&) noexcept = default;

    // The face name is GBK, whatever the system's code page: the font is
    // made from its UTF-16 form.
    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);

    HFONT GetSafeHandle() const { return static_cast<HFONT>(m_hObject); }
};
