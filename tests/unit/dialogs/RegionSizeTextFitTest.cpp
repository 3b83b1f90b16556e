// Each text of the region size dialog fits its place, in either language and
// at every scale, in the font the dialog draws it with.
#include "dialogs/RegionSizeMetrics.h"
#include "framework/CFont.h"
#include "framework/UiText.h"
#include "gfx/InterfaceFont.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LANGID g_language = 0;
LANGID ChosenLanguage() { return g_language; }

int TextWidth(HFONT font, UINT textId)
{
    const std::wstring text = [&] {
        const CString gbk = UiText(textId);
        wchar_t wide[128] = {};
        ::MultiByteToWideChar(936, 0, gbk, -1, wide, 128);
        return std::wstring(wide);
    }();
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, font);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    return extent.cx;
}

int Width(const RECT& r) { return r.right - r.left; }

void ExpectTextsFit(LANGID language, const rgnsize::DialogLayout& layout)
{
    g_language = language;
    const UiLanguageLookup previous = ReplaceUiLanguageLookup(&ChosenLanguage);
    for (int percent : gfx::kScalePercents) {
        const gfx::DisplayScale scale = gfx::DisplayScale::ForDpi(gfx::kNaturalDpi * percent / 100);
        const rgnsize::DialogMetrics m = rgnsize::MetricsAt(scale, layout);
        const HFONT interfaceFont = GetInterfaceFont(scale)->GetSafeHandle();
        CFont okFont;
        const LOGFONTA lf = InterfaceLogFont(m.okFontHeight, FW_BOLD);
        okFont.CreateFontIndirect(&lf);
        // The title runs from its place to the close button.
        const int titleRoom = m.dialogSize.cx - m.caption.closeWidth - m.titlePosition.x;
        SCOPED_TRACE(std::to_string(percent) + " %");
        EXPECT_LE(TextWidth(interfaceFont, IDS_SIZE_TITLE), titleRoom) << "the title";
        EXPECT_LE(TextWidth(interfaceFont, IDS_SIZE_WIDTH), Width(m.widthCaptionBox)) << "the width caption";
        EXPECT_LE(TextWidth(interfaceFont, IDS_SIZE_HEIGHT), Width(m.heightCaptionBox)) << "the height caption";
        EXPECT_LE(TextWidth(okFont.GetSafeHandle(), IDS_SIZE_OK), Width(m.okBox)) << "the OK button";
    }
    ReplaceUiLanguageLookup(previous);
}

} // namespace

TEST(RegionSizeTextFit, TheEnglishTextsFitTheEnglishLayoutAtEveryScale)
{
    ExpectTextsFit(0x0409, rgnsize::kEnglishLayout);
}

TEST(RegionSizeTextFit, TheChineseTextsFitTheChineseLayoutAtEveryScale)
{
    ExpectTextsFit(0x0804, rgnsize::kChineseLayout);
}
