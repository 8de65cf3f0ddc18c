// Which translation a locale environment asks for, as gettext reads it.
#include "res/language_choice.h"

#include <optional>
#include <string>
#include <vector>

namespace hexcribe::res {
namespace {

// Locales whose texts are those of another translation: Chinese by its script.
struct LocaleAlias {
  std::string_view locale;
  std::string_view translation;
};
constexpr LocaleAlias kAliases[] = {
    {"zh", "zh_CN"},      {"zh_SG", "zh_CN"},      {"zh_Hans", "zh_CN"},
    {"zh_HK", "zh_TW"},   {"zh_MO", "zh_TW"},      {"zh_Hant", "zh_TW"},
};

bool IsCLocale(std::string_view locale) {
  return locale == "C" || locale == "POSIX" || locale.starts_with("C.") || locale.starts_with("C@");
}

// The names one locale entry is looked up by, most specific first: language_TERRITORY.codeset@modifier
// gives language_TERRITORY@modifier, language@modifier, language_TERRITORY, language.
std::vector<std::string> Candidates(std::string_view entry) {
  std::string_view modifier;
  if (const auto at = entry.find('@'); at != std::string_view::npos) {
    modifier = entry.substr(at);
    entry = entry.substr(0, at);
  }
  if (const auto dot = entry.find('.'); dot != std::string_view::npos) entry = entry.substr(0, dot);
  const std::string_view language = entry.substr(0, entry.find('_'));
  std::vector<std::string> names;
  if (!modifier.empty()) {
    names.push_back(std::string(entry) + std::string(modifier));
    if (language != entry) names.push_back(std::string(language) + std::string(modifier));
  }
  names.emplace_back(entry);
  if (language != entry) names.emplace_back(language);
  return names;
}

// The translation one entry names: its code, "" for English, nullopt for none available.
std::optional<std::string_view> Match(std::string_view entry, std::span<const std::string_view> available) {
  if (entry.empty()) return std::nullopt;
  for (const std::string& name : Candidates(entry)) {
    if (name == "en" || name.starts_with("en_") || name.starts_with("en@")) return std::string_view();
    for (const std::string_view code : available) {
      if (code == name) return code;
    }
    for (const LocaleAlias& alias : kAliases) {
      if (alias.locale != name) continue;
      for (const std::string_view code : available) {
        if (code == alias.translation) return code;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::string_view ChooseLanguage(const LocaleEnvironment& environment, std::span<const std::string_view> available) {
  std::string_view locale;
  for (const auto* variable : {&environment.lcAll, &environment.lcMessages, &environment.lang}) {
    if (variable->has_value() && !(*variable)->empty()) {
      locale = **variable;
      break;
    }
  }
  if (locale.empty() || IsCLocale(locale)) return {};
  if (environment.language.has_value() && !environment.language->empty()) {
    std::string_view list = *environment.language;
    while (true) {
      const auto colon = list.find(':');
      if (const auto match = Match(list.substr(0, colon), available)) return *match;
      if (colon == std::string_view::npos) break;
      list.remove_prefix(colon + 1);
    }
    return {};
  }
  return Match(locale, available).value_or(std::string_view());
}

const Translation* ChooseTranslation(const LocaleEnvironment& environment) {
  std::vector<std::string_view> codes;
  for (const Translation& translation : Translations()) codes.push_back(translation.code);
  const std::string_view code = ChooseLanguage(environment, codes);
  return code.empty() ? nullptr : FindTranslation(code);
}

}  // namespace hexcribe::res
