// The program's texts: which table an interface language reads, and the
// texts as each table gives them.
#include "framework/UiText.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LANGID g_language = 0;
LANGID ChosenLanguage() { return g_language; }

// Puts the lookup of the user's interface language on a fixed id for one
// test and puts the real one back.
class AsIfTheUserSpoke : public ::testing::Test {
protected:
    void Speak(LANGID id)
    {
        g_language = id;
        if (m_previous == nullptr)
            m_previous = ReplaceUiLanguageLookup(&ChosenLanguage);
        else
            ReplaceUiLanguageLookup(&ChosenLanguage);
    }
    void TearDown() override
    {
        if (m_previous != nullptr)
            ReplaceUiLanguageLookup(m_previous);
    }

private:
    UiLanguageLookup m_previous = nullptr;
};

std::string Text(UINT id) { return static_cast<const char*>(UiText(id)); }

} // namespace

TEST(UiLanguage, ChineseOfEveryRegionReadsTheChineseTableAndEveryOtherLanguageTheEnglish)
{
    EXPECT_EQ(UiLanguageFor(0x0804), UiLanguage::Chinese) << "Chinese, PRC";
    EXPECT_EQ(UiLanguageFor(0x0404), UiLanguage::Chinese) << "Chinese, Taiwan";
    EXPECT_EQ(UiLanguageFor(0x0C04), UiLanguage::Chinese) << "Chinese, Hong Kong";
    EXPECT_EQ(UiLanguageFor(0x0409), UiLanguage::English) << "English, US";
    EXPECT_EQ(UiLanguageFor(0x0407), UiLanguage::English) << "German";
    EXPECT_EQ(UiLanguageFor(0x0411), UiLanguage::English) << "Japanese";
    EXPECT_EQ(UiLanguageFor(0x0401), UiLanguage::English) << "Arabic";
}

// The tests run in the rig's zh_CN locale.
TEST(UiText, TheRigsChineseUserGetsTheTextsAsTheyWere)
{
    EXPECT_EQ(::GetUserDefaultUILanguage(), 0x0804) << "the rig does not run in zh_CN";
    EXPECT_EQ(CurrentUiLanguage(), UiLanguage::Chinese);
    EXPECT_EQ(Text(IDS_HOTKEY_HELP_TEXT),
              "←  向左移动   →  向右移动\r\n↑  向上移动   ↓  向下移动\r\n\r\n"
              "按下Shift +方向键 改变窗口大小\r\nCtrl +C --- 截图");
    EXPECT_EQ(Text(IDS_SIZE_OK), "确 定");
}

// Only the simplified Chinese table is stored: a Taiwanese user must get it
// by the program's choice, not by whatever the resource loader falls back to.
TEST_F(AsIfTheUserSpoke, ChineseOfAnotherRegionGetsTheChineseTexts)
{
    Speak(0x0404);
    EXPECT_EQ(Text(IDS_TIP_HOTKEY_HELP), "快捷键");
    EXPECT_EQ(Text(IDS_TIP_RESTORE), "还原");
}

TEST_F(AsIfTheUserSpoke, AGermanUserGetsTheEnglishTexts)
{
    Speak(0x0407);
    EXPECT_EQ(CurrentUiLanguage(), UiLanguage::English);
    EXPECT_EQ(Text(IDS_HOTKEY_HELP_CAPTION), "Keyboard shortcuts");
    EXPECT_EQ(Text(IDS_HOTKEY_HELP_TEXT),
              "\xA1\xFB  Move left   \xA1\xFA  Move right\r\n\xA1\xFC  Move up   \xA1\xFD  Move down\r\n\r\n"
              "Shift + arrow keys  Change the size\r\nCtrl+C --- Capture")
        << "the arrows, in GBK as every text at the framework's interface";
    EXPECT_EQ(Text(IDS_SIZE_WIDTH), "Width:");
    EXPECT_EQ(Text(IDS_TIP_SET_SIZE), "Set capture area");
}

TEST(UiText, AnIdWithoutATextGivesAnEmptyText)
{
    EXPECT_EQ(Text(IDS_SIZE_OK + 1), "") << "the next id of the same block";
    EXPECT_EQ(Text(4000), "") << "an id of a block that does not exist";
}
