#pragma once

#include "framework/CString.h"

#include <windows.h>

// The program's texts in the user's interface language: Chinese where that
// is Chinese of any region, English everywhere else. Each language has its
// own string table in the resources (res/strings.rc); the table is chosen
// here, explicitly, because the resource loader's own choice falls back to
// whatever table it finds and could give a German user the Chinese one.
enum class UiLanguage { Chinese, English };

// The table for an interface language id (GetUserDefaultUILanguage's).
UiLanguage UiLanguageFor(LANGID id);

// The language id a language's table is stored under.
LANGID TableLanguageId(UiLanguage language);

// Where the user's interface language is read from. Tests put another lookup
// in place to show the program in another language in-process; the choice is
// made again at the next text. Returns the lookup it replaced.
using UiLanguageLookup = LANGID (*)();
UiLanguageLookup ReplaceUiLanguageLookup(UiLanguageLookup lookup);

// The language of the texts, chosen once, at the first text asked for.
UiLanguage CurrentUiLanguage();

// Every text the program shows, by its identifier (IDS_* of res/resource.h),
// from the table of the current language, in GBK as every text at the
// framework's interface. Empty where the table holds no such text.
CString UiText(UINT id);
