#include "dialogs/DialogTemplateFont.h"

#include <cstring>

namespace {

constexpr WORD kExtendedVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr WORD kOrdinalMark = 0xFFFF;
// DLGTEMPLATEEX: version, signature, help id and extended style before the
// style; the item count and x, y, cx, cy after it.
constexpr std::size_t kExtendedWordsBeforeStyle = 6;
constexpr std::size_t kExtendedWordsAfterStyle = 5;
// DLGTEMPLATE: the style first; the extended style, the item count and x, y,
// cx, cy after it.
constexpr std::size_t kWordsAfterStyle = 7;

// The template's fields are 16-bit words, read with bounds checks.
class WordReader {
public:
    WordReader(const BYTE* data, std::size_t size) : m_data(data), m_words(data != nullptr ? size / 2 : 0) {}

    bool Read(WORD* word)
    {
        if (m_pos >= m_words)
            return false;
        std::memcpy(word, m_data + 2 * m_pos, sizeof(WORD));
        ++m_pos;
        return true;
    }
    bool Skip(std::size_t words)
    {
        if (m_words - m_pos < words)
            return false;
        m_pos += words;
        return true;
    }
    bool ReadDword(DWORD* value)
    {
        WORD low = 0;
        WORD high = 0;
        if (!Read(&low) || !Read(&high))
            return false;
        *value = static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16);
        return true;
    }
    // A text ending with a zero word.
    bool SkipString()
    {
        WORD word = 0;
        do {
            if (!Read(&word))
                return false;
        } while (word != 0);
        return true;
    }
    // A menu or class field: none (0), an ordinal after 0xFFFF, or a text.
    bool SkipNameOrOrdinal()
    {
        WORD first = 0;
        if (!Read(&first))
            return false;
        if (first == kOrdinalMark)
            return Skip(1);
        return first == 0 || SkipString();
    }

private:
    const BYTE* m_data;
    std::size_t m_words;
    std::size_t m_pos = 0;
};

bool IsExtended(const BYTE* data, std::size_t size)
{
    WordReader head(data, size);
    WORD version = 0;
    WORD signature = 0;
    return head.Read(&version) && head.Read(&signature) && version == kExtendedVersion &&
           signature == kExtendedSignature;
}

} // namespace

int TemplateFontPointSize(const BYTE* data, std::size_t size)
{
    const bool extended = IsExtended(data, size);
    WordReader reader(data, size);
    DWORD style = 0;
    WORD points = 0;
    if (!reader.Skip(extended ? kExtendedWordsBeforeStyle : 0) || !reader.ReadDword(&style) ||
        (style & DS_SETFONT) == 0 || !reader.Skip(extended ? kExtendedWordsAfterStyle : kWordsAfterStyle) ||
        !reader.SkipNameOrOrdinal() || !reader.SkipNameOrOrdinal() || !reader.SkipString() || !reader.Read(&points))
        return 0;
    return points;
}

int DialogFontPointSize(HINSTANCE module, UINT templateId)
{
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HGLOBAL loaded = info != nullptr ? LoadResource(module, info) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return 0;
    return TemplateFontPointSize(static_cast<const BYTE*>(data), SizeofResource(module, info));
}
