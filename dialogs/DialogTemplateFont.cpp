#include "dialogs/DialogTemplateFont.h"

#include <cstddef>
#include <cstring>

namespace {

constexpr WORD kExtendedVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr WORD kOrdinalMark = 0xFFFF;
// Version, signature, help id and extended style come before the style; the
// item count and x, y, cx, cy after it.
constexpr std::size_t kWordsBeforeStyle = 6;
constexpr std::size_t kWordsAfterStyle = 5;

// The template's fields are 16-bit words, read with bounds checks.
class WordReader {
public:
    WordReader(const void* data, std::size_t size) : m_data(static_cast<const BYTE*>(data)), m_words(size / 2) {}

    bool Read(WORD* word)
    {
        if (m_pos >= m_words)
            return false;
        std::memcpy(word, m_data + 2 * m_pos++, sizeof(WORD));
        return true;
    }
    bool Skip(std::size_t words)
    {
        m_pos += words;
        return m_pos <= m_words;
    }
    // The menu and class fields: none (0), an ordinal after 0xFFFF, or a
    // text; the title is always a text. A text ends with a zero word.
    bool SkipName(bool mayBeOrdinal)
    {
        WORD word = 0;
        if (!Read(&word))
            return false;
        if (mayBeOrdinal && word == kOrdinalMark)
            return Skip(1);
        while (word != 0)
            if (!Read(&word))
                return false;
        return true;
    }

private:
    const BYTE* m_data;
    std::size_t m_words;
    std::size_t m_pos = 0;
};

} // namespace

int DialogFontPointSize(HINSTANCE module, UINT templateId)
{
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HGLOBAL loaded = info != nullptr ? LoadResource(module, info) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return 0;
    WordReader reader(data, SizeofResource(module, info));
    WORD version = 0;
    WORD signature = 0;
    WORD styleLow = 0;
    WORD points = 0;
    // DS_SETFONT lies in the style's low word.
    if (!reader.Read(&version) || !reader.Read(&signature) || version != kExtendedVersion ||
        signature != kExtendedSignature || !reader.Skip(kWordsBeforeStyle - 2) || !reader.Read(&styleLow) ||
        (styleLow & DS_SETFONT) == 0 || !reader.Skip(1 + kWordsAfterStyle) || !reader.SkipName(true) ||
        !reader.SkipName(true) || !reader.SkipName(false) || !reader.Read(&points))
        return 0;
    return points;
}
