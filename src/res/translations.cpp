// Lookup of the translated texts, and the language the windows show.
#include "res/translations.h"

#include <algorithm>

namespace hexcribe::res {
namespace {

const Translation* uiLanguage = nullptr;

}  // namespace

const Translation* FindTranslation(std::string_view code) {
  for (const Translation& translation : Translations()) {
    if (translation.code == code) return &translation;
  }
  return nullptr;
}

std::u16string_view Translate(const Translation* language, std::u16string_view english) {
  if (language == nullptr || english.empty()) return english;
  const auto found = std::lower_bound(language->texts.begin(), language->texts.end(), english,
                                      [](const TranslatedText& entry, std::u16string_view key) {
                                        return entry.english < key;
                                      });
  if (found == language->texts.end() || found->english != english || found->text.empty()) return english;
  return found->text;
}

void SetUiLanguage(const Translation* language) { uiLanguage = language; }

const Translation* UiLanguage() { return uiLanguage; }

}  // namespace hexcribe::res
