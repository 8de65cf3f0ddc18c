// Which translation a Linux desktop asks for, from the locale environment as gettext reads it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "res/translations.h"

namespace hexcribe::res {

// The locale variables; nullopt for one that is not set.
struct LocaleEnvironment {
  std::optional<std::string> language;    // LANGUAGE: a colon-separated list of preferences
  std::optional<std::string> lcAll;       // LC_ALL
  std::optional<std::string> lcMessages;  // LC_MESSAGES
  std::optional<std::string> lang;        // LANG
};

// The variables of this process's environment.
LocaleEnvironment ProcessLocaleEnvironment();

// The code of the translation to show, out of `available` ("ko", "zh_TW", …), or "" for English.
// The locale is the first non-empty of LC_ALL, LC_MESSAGES and LANG; when it is unset, C or POSIX
// the program speaks English and LANGUAGE is ignored (as gettext does). Otherwise the first entry
// of LANGUAGE that names English or an available translation wins, and without LANGUAGE the
// locale itself. An entry matches with its codeset dropped, then its territory and modifier:
// ko_KR.UTF-8 → ko; zh_HK and zh_MO read Traditional, zh_SG and a bare zh Simplified Chinese.
std::string_view ChooseLanguage(const LocaleEnvironment& environment, std::span<const std::string_view> available);

// The translation the environment asks for among Translations(); nullptr for English.
const Translation* ChooseTranslation(const LocaleEnvironment& environment);

}  // namespace hexcribe::res
