// The program's texts in other languages: tables compiled from the PO files in po/ at build
// time, the lookup by English text, and the language the windows show.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace hexcribe::res {

// The code that names English, the language the tables are written in.
inline constexpr std::string_view kEnglishCode = "en";

struct TranslatedText {
  std::u16string_view english;
  std::u16string_view text;
};

struct Translation {
  std::string_view code;                            // "ko", "zh_TW": the PO file's name
  std::span<const std::uint16_t> windowsLanguages;  // Windows language ids its resources are tagged with
  std::span<const TranslatedText> texts;            // sorted by English text (UTF-16 order)
};

// Every translation, in the order of po/LINGUAS. English, the language the tables are
// written in, is not among them: "no translation" (nullptr) stands for it.
std::span<const Translation> Translations();

// The translation named code, or nullptr (English, and every language without a translation).
const Translation* FindTranslation(std::string_view code);

// english in language: its translation, or english itself when language is nullptr or has none.
std::u16string_view Translate(const Translation* language, std::u16string_view english);

// The language the windows show, chosen once at start-up (English until then).
void SetUiLanguage(const Translation* language);
const Translation* UiLanguage();

}  // namespace hexcribe::res
