// The locale variables gettext reads to choose the language of a program's texts, as plain values:
// what the Linux program reads from its environment (platform/linux/process_locale.h) and the
// language choice (res/language_choice.h) takes.
#pragma once

#include <optional>
#include <string>

namespace hexcribe {

// nullopt for a variable that is not set.
struct LocaleEnvironment {
  std::optional<std::string> language;    // LANGUAGE: a colon-separated list of preferences
  std::optional<std::string> lcAll;       // LC_ALL
  std::optional<std::string> lcMessages;  // LC_MESSAGES
  std::optional<std::string> lang;        // LANG
};

}  // namespace hexcribe
