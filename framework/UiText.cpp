#include "framework/UiText.h"

#include "framework/CWinApp.h"
#include "framework/GbkText.h"

#include <optional>
#include <string>

namespace {

// A string table resource holds its texts in blocks of 16: block n + 1 has
// the texts 16n to 16n + 15, each a count of UTF-16 units and then the
// units, with no terminator.
constexpr UINT kTextsPerBlock = 16;
const LPCWSTR kStringTableType = MAKEINTRESOURCEW(6); // RT_STRING, as a wide name

LANGID UserInterfaceLanguage() { return ::GetUserDefaultUILanguage(); }

UiLanguageLookup g_lookup = &UserInterfaceLanguage;
std::optional<UiLanguage> g_language;

std::wstring TableText(HMODULE module, UINT id, LANGID language)
{
    const LPCWSTR block = MAKEINTRESOURCEW(id / kTextsPerBlock + 1);
    HRSRC found = ::FindResourceExW(module, kStringTableType, block, language);
    HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const auto* units = static_cast<const WCHAR*>(loaded != nullptr ? ::LockResource(loaded) : nullptr);
    if (units == nullptr)
        return {};
    // Walk to the text, never past the block's end.
    const std::size_t size = ::SizeofResource(module, found) / sizeof(WCHAR);
    std::size_t at = 0;
    for (UINT i = 0; i < id % kTextsPerBlock && at < size; ++i)
        at += 1 + units[at];
    if (at >= size || at + 1 + units[at] > size)
        return {};
    return std::wstring(units + at + 1, units[at]);
}

} // namespace

UiLanguage UiLanguageFor(LANGID id)
{
    return PRIMARYLANGID(id) == LANG_CHINESE ? UiLanguage::Chinese : UiLanguage::English;
}

LANGID TableLanguageId(UiLanguage language)
{
    return language == UiLanguage::Chinese ? MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)
                                           : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
}

UiLanguageLookup ReplaceUiLanguageLookup(UiLanguageLookup lookup)
{
    const UiLanguageLookup previous = g_lookup;
    g_lookup = lookup;
    g_language.reset();
    return previous;
}

UiLanguage CurrentUiLanguage()
{
    if (!g_language)
        g_language = UiLanguageFor(g_lookup());
    return *g_language;
}

CString UiText(UINT id)
{
    const std::wstring text = TableText(AfxGetResourceHandle(), id, TableLanguageId(CurrentUiLanguage()));
    return CString(GbkFromWide(text.c_str(), static_cast<int>(text.size())));
}
