// The language a locale environment asks for, the lookup with its English fallback, and the
// dialogs and strings in every language.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/dialog_templates.h"
#include "res/language_choice.h"
#include "res/translations.h"

namespace hexcribe::res {
namespace {

TEST(LanguageChoice, FollowsGettextsOrderOfTheLocaleVariables) {
  struct Case {
    LocaleEnvironment environment;
    std::string_view expected;
  };
  const std::optional<std::string> unset;
  const std::vector<Case> cases = {
      {{unset, unset, unset, "ko_KR.UTF-8"}, "ko"},
      {{unset, unset, unset, "zh_CN.GB18030"}, "zh_CN"},
      {{unset, unset, unset, "zh_TW.UTF-8"}, "zh_TW"},
      {{unset, unset, unset, "zh_HK.UTF-8"}, "zh_TW"},
      {{unset, unset, unset, "zh_SG.UTF-8"}, "zh_CN"},
      {{unset, unset, unset, "zh"}, "zh_CN"},
      {{unset, unset, unset, "ko_KR.UTF-8@euro"}, "ko"},
      {{unset, unset, unset, "de_DE.UTF-8"}, ""},
      {{unset, unset, unset, "en_US.UTF-8"}, ""},
      {{unset, unset, unset, unset}, ""},
      {{unset, "ja_JP.UTF-8", "ko_KR.UTF-8", "zh_CN.UTF-8"}, "ja"},
      {{unset, "", "ko_KR.UTF-8", "zh_CN.UTF-8"}, "ko"},
      {{"ko:en", unset, unset, "en_US.UTF-8"}, "ko"},
      {{"fr:ja:ko", unset, unset, "ko_KR.UTF-8"}, "ja"},
      {{"en:ko", unset, unset, "ko_KR.UTF-8"}, ""},
      {{"fr:de", unset, unset, "ko_KR.UTF-8"}, ""},
      {{"", unset, unset, "ko_KR.UTF-8"}, "ko"},
      {{"::zh_HK", unset, unset, "de_DE.UTF-8"}, "zh_TW"},
      // In the C locale gettext ignores LANGUAGE: the program's own language shows.
      {{"ko", unset, unset, "C"}, ""},
      {{"ko", unset, unset, "C.UTF-8"}, ""},
      {{"ko", "POSIX", unset, "ko_KR.UTF-8"}, ""},
      {{"ko", unset, unset, unset}, ""},
  };
  const std::string_view available[] = {"ko", "ja", "zh_CN", "zh_TW"};
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseLanguage(c.environment, available), c.expected)
        << c.environment.language.value_or("-") << " | " << c.environment.lcAll.value_or("-") << " | "
        << c.environment.lcMessages.value_or("-") << " | " << c.environment.lang.value_or("-");
  }
}

TEST(Translations, MissingOrEmptyTextsFallBackToEnglish) {
  constexpr TranslatedText texts[] = {{u"Close", u"Schliessen"}, {u"Font", u""}};
  const Translation language{"xx", {}, texts};
  EXPECT_EQ(Translate(&language, u"Close"), u"Schliessen");
  EXPECT_EQ(Translate(&language, u"Font"), u"Font");
  EXPECT_EQ(Translate(&language, u"Comma"), u"Comma");
  EXPECT_EQ(Translate(nullptr, u"Close"), u"Close");
  EXPECT_EQ(FindTranslation("xx"), nullptr);
  EXPECT_EQ(FindTranslation(""), nullptr);
}

// A language's dialogs are the English controls in its words, with the version in the About box's
// line; the windows show English until the language is chosen, then that language.
TEST(Translations, DialogsAndStringsFollowTheChosenLanguage) {
  const Translation* japanese = FindTranslation("ja");
  ASSERT_NE(japanese, nullptr);
  const DialogTemplate& english = MainDialogTemplate(nullptr);
  const DialogTemplate& translated = MainDialogTemplate(japanese);
  ASSERT_EQ(translated.controls.size(), english.controls.size());
  for (std::size_t i = 0; i < english.controls.size(); ++i) {
    EXPECT_EQ(translated.controls[i].id, english.controls[i].id);
    EXPECT_EQ(translated.controls[i].text, Translate(japanese, english.controls[i].text)) << i;
  }
  EXPECT_EQ(AboutBoxTemplate(nullptr).controls[1].text, u"Hexcribe Version 1.0");
  EXPECT_EQ(AboutBoxTemplate(japanese).controls[1].text, u"Hexcribe \u30D0\u30FC\u30B8\u30E7\u30F3 1.0");
  EXPECT_EQ(&MainDialogTemplate(), &english);
  SetUiLanguage(japanese);
  EXPECT_EQ(&MainDialogTemplate(), &translated);
  EXPECT_EQ(LoadResourceString(IDS_ABOUTBOX), Translate(japanese, u"&About Hexcribe..."));
  SetUiLanguage(nullptr);
}

}  // namespace
}  // namespace hexcribe::res
