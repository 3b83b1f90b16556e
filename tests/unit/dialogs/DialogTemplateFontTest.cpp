#include "dialogs/DialogTemplateFont.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Words = std::vector<WORD>;

// A template's words up to and including its point size (the face and the
// items after it are not read).
Words Template(bool extended, DWORD style, const Words& menuClassTitle, WORD points)
{
    Words w;
    if (extended)
        w = {1, 0xFFFF, 0, 0, 0, 0};
    w.push_back(LOWORD(style));
    w.push_back(HIWORD(style));
    w.insert(w.end(), extended ? 5 : 7, 0);
    w.insert(w.end(), menuClassTitle.begin(), menuClassTitle.end());
    w.push_back(points);
    return w;
}

int PointSize(const Words& w, std::size_t bytes)
{
    return TemplateFontPointSize(reinterpret_cast<const BYTE*>(w.data()), bytes);
}

int PointSize(const Words& w) { return PointSize(w, w.size() * sizeof(WORD)); }

// The menu, class and title fields before the font: none, an ordinal, or a
// text, in either form of the template.
TEST(DialogTemplateFont, ReadsThePointSizeBehindTheNamesInBothForms)
{
    const Words ordinalMenuNamedClassTitle{0xFFFF, 7, 'E', 'd', 0, 'D', 'l', 'g', 0};
    const Words nothing{0, 0, 0};
    for (bool extended : {true, false}) {
        SCOPED_TRACE(extended ? "DLGTEMPLATEEX" : "DLGTEMPLATE");
        EXPECT_EQ(PointSize(Template(extended, DS_SETFONT | WS_POPUP, ordinalMenuNamedClassTitle, 9)), 9);
        EXPECT_EQ(PointSize(Template(extended, DS_SETFONT, nothing, 8)), 8);
        EXPECT_EQ(PointSize(Template(extended, WS_POPUP, nothing, 8)), 0) << "no DS_SETFONT, no font";
    }
}

TEST(DialogTemplateFont, ATemplateCutShortNamesNoFont)
{
    const Words t = Template(true, DS_SETFONT, Words{0, 0, 'D', 'l', 'g', 0}, 8);
    for (std::size_t bytes = 0; bytes < t.size() * sizeof(WORD); ++bytes)
        EXPECT_EQ(PointSize(t, bytes), 0) << "cut at byte " << bytes;
    EXPECT_EQ(TemplateFontPointSize(nullptr, 100), 0);
}

} // namespace
