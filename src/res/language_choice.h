// Which translation a locale environment asks for, as gettext reads it: a pure choice, which the
// Linux program makes from its own environment (platform/linux/process_locale.h).
#pragma once

#include <span>
#include <string_view>

#include "core/locale_environment.h"
#include "res/translations.h"

namespace hexcribe::res {

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
