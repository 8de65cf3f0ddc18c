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
      {{unset, unset, unset, "ja_JP.eucJP"}, "ja"},
      {{unset, unset, unset, "zh_CN.GB18030"}, "zh_CN"},
      {{unset, unset, unset, "zh_TW.UTF-8"}, "zh_TW"},
      {{unset, unset, unset, "zh_HK.UTF-8"}, "zh_TW"},
      {{unset, unset, unset, "zh_MO"}, "zh_TW"},
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

// Every language's dialogs are the English ones with other texts: same controls in the same order
// with the same ids, styles and tab stops, every text translated, the version in the About box.
TEST(Translations, EveryLanguageHasTheDialogsAndStringsInItsOwnWords) {
  ASSERT_FALSE(Translations().empty());
  const DialogTemplate& englishMain = MainDialogTemplate(nullptr);
  const DialogTemplate& englishAbout = AboutBoxTemplate(nullptr);
  for (const Translation& language : Translations()) {
    SCOPED_TRACE(std::string(language.code));
    EXPECT_FALSE(language.windowsLanguages.empty());
    for (const auto& [english, translated] : {std::pair(&englishMain, &MainDialogTemplate(&language)),
                                              std::pair(&englishAbout, &AboutBoxTemplate(&language))}) {
      ASSERT_EQ(translated->controls.size(), english->controls.size());
      EXPECT_NE(translated->caption, english->caption == u"Hexcribe" ? u"" : english->caption);
      for (std::size_t i = 0; i < english->controls.size(); ++i) {
        const ControlTemplate& want = english->controls[i];
        const ControlTemplate& got = translated->controls[i];
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.style, want.style);
        EXPECT_EQ(got.iconId, want.iconId);
        if (!want.text.empty() && want.text != u"OK") {
          EXPECT_NE(got.text, want.text) << i;
        }
        EXPECT_EQ(got.text.find(u"%s"), std::u16string_view::npos);
      }
    }
    const std::u16string_view version = FindControl(AboutBoxTemplate(&language), IDC_STATIC)[1].text;
    EXPECT_NE(version.find(u"Hexcribe"), std::u16string_view::npos);
    EXPECT_NE(version.find(u"1.0"), std::u16string_view::npos);
    for (const StringEntry& entry : kStringTable) {
      EXPECT_NE(LoadResourceString(entry.id, &language), entry.text) << entry.id;
    }
  }
  EXPECT_EQ(FindControl(englishAbout, IDC_STATIC)[1].text, u"Hexcribe Version 1.0");
}

TEST(Translations, TheWindowsLanguageIsChosenOnceAndEnglishUntilThen) {
  EXPECT_EQ(UiLanguage(), nullptr);
  EXPECT_EQ(&MainDialogTemplate(), &MainDialogTemplate(nullptr));
  const Translation* korean = FindTranslation("ko");
  ASSERT_NE(korean, nullptr);
  SetUiLanguage(korean);
  EXPECT_EQ(&MainDialogTemplate(), &MainDialogTemplate(korean));
  EXPECT_EQ(FindDialogTemplate(IDD_ABOUTBOX), &AboutBoxTemplate(korean));
  EXPECT_EQ(LoadResourceString(IDS_ABOUTBOX), u"Hexcribe \uC815\uBCF4(&A)...");
  SetUiLanguage(nullptr);
  EXPECT_EQ(LoadResourceString(IDS_ABOUTBOX), u"&About Hexcribe...");
}

}  // namespace
}  // namespace hexcribe::res
