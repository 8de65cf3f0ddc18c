// The language a locale environment asks for, and the lookup with its English fallback.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace hexcribe::res
