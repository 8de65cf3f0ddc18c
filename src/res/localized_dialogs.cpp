// The dialog templates and the string table in each language: the English source tables with
// their texts translated, the version filled in, and the language's font and geometry applied.
#include "res/localized_dialogs.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "res/language_layout.h"
#include "res/version_info.h"

namespace hexcribe::res {
namespace {

// One template in one language, with the storage its views point into.
struct LocalizedDialog {
  std::vector<ControlTemplate> controls;
  std::deque<std::u16string> ownedTexts;  // texts made here (the version line); never move
  DialogTemplate dialog{};
};

// A control's text in the language; the About box's version line gets the version, in storage of out.
std::u16string_view TranslatedControlText(LocalizedDialog& out, const Translation* language,
                                          std::u16string_view english) {
  const std::u16string_view text = Translate(language, english);
  const std::size_t placeholder = text.find(u"%s");
  if (english != kAboutVersionFormat || placeholder == std::u16string_view::npos) return text;
  std::u16string filled(text);
  filled.replace(placeholder, 2, kVersionMajorMinor);
  return out.ownedTexts.emplace_back(std::move(filled));
}

// The source template in the language: texts, dialog font and per-language geometry.
std::unique_ptr<LocalizedDialog> MakeLocalizedDialog(const DialogTemplate& source, const Translation* language) {
  auto out = std::make_unique<LocalizedDialog>();
  out->dialog = source;
  out->dialog.caption = Translate(language, source.caption);
  const std::string_view code = language != nullptr ? language->code : std::string_view();
  for (const LanguageFont& font : LanguageFonts()) {
    if (font.language != code) continue;
    out->dialog.fontFace = font.face;
    out->dialog.pointSize = font.pointSize;
    out->dialog.charset = font.charset;
  }
  for (const ControlTemplate& control : source.controls) {
    ControlTemplate localized = control;
    localized.text = TranslatedControlText(*out, language, control.text);
    for (const LayoutChange& change : LayoutChanges()) {
      if (change.language != code || change.dialogId != source.id || change.controlId != control.id) continue;
      localized.x += change.dx;
      localized.y += change.dy;
      localized.width += change.dwidth;
      localized.height += change.dheight;
    }
    out->controls.push_back(localized);
  }
  for (const LayoutChange& change : LayoutChanges()) {
    if (change.language != code || change.dialogId != source.id || change.controlId != kWholeDialog) continue;
    out->dialog.width += change.dwidth;
    out->dialog.height += change.dheight;
  }
  // The initial list items name string-table texts, which LoadResourceString translates.
  out->dialog.controls = out->controls;
  return out;
}

// Every source template in every language, made once: English first, then Translations() in order.
const std::vector<std::unique_ptr<LocalizedDialog>>& AllLocalizedDialogs() {
  static const std::vector<std::unique_ptr<LocalizedDialog>> all = [] {
    std::vector<std::unique_ptr<LocalizedDialog>> made;
    const auto addLanguage = [&made](const Translation* language) {
      for (const DialogTemplate* source : SourceDialogTemplates()) made.push_back(MakeLocalizedDialog(*source, language));
    };
    addLanguage(nullptr);
    for (const Translation& translation : Translations()) addLanguage(&translation);
    return made;
  }();
  return all;
}

// The template with that id in the language, or nullptr (also for a language not in Translations()).
const DialogTemplate* FindLocalizedDialog(int id, const Translation* language) {
  const std::span<const Translation> translations = Translations();
  std::size_t languageIndex = 0;
  if (language != nullptr) {
    if (language < translations.data() || language >= translations.data() + translations.size()) return nullptr;
    languageIndex = static_cast<std::size_t>(language - translations.data()) + 1;
  }
  const std::span<const DialogTemplate* const> sources = SourceDialogTemplates();
  for (std::size_t i = 0; i < sources.size(); ++i) {
    if (sources[i]->id == id) return &AllLocalizedDialogs()[languageIndex * sources.size() + i]->dialog;
  }
  return nullptr;
}

}  // namespace

const DialogTemplate& MainDialogTemplate(const Translation* language) {
  const DialogTemplate* found = FindLocalizedDialog(IDD_CONVERTER_DIALOG, language);
  return found != nullptr ? *found : *FindLocalizedDialog(IDD_CONVERTER_DIALOG, nullptr);
}

const DialogTemplate& AboutBoxTemplate(const Translation* language) {
  const DialogTemplate* found = FindLocalizedDialog(IDD_ABOUTBOX, language);
  return found != nullptr ? *found : *FindLocalizedDialog(IDD_ABOUTBOX, nullptr);
}

const DialogTemplate& CharacterDetailsTemplate(const Translation* language) {
  const DialogTemplate* found = FindLocalizedDialog(IDD_CHARACTER_DETAILS, language);
  return found != nullptr ? *found : *FindLocalizedDialog(IDD_CHARACTER_DETAILS, nullptr);
}

const DialogTemplate& MainDialogTemplate() { return MainDialogTemplate(UiLanguage()); }

const DialogTemplate& AboutBoxTemplate() { return AboutBoxTemplate(UiLanguage()); }

const DialogTemplate& CharacterDetailsTemplate() { return CharacterDetailsTemplate(UiLanguage()); }

const DialogTemplate* FindDialogTemplate(int id) {
  const DialogTemplate* found = FindLocalizedDialog(id, UiLanguage());
  return found != nullptr ? found : FindLocalizedDialog(id, nullptr);
}

std::u16string_view LoadResourceString(int id, const Translation* language) {
  for (const StringEntry& entry : kStringTable) {
    if (entry.id == id) return Translate(language, entry.text);
  }
  return {};
}

std::u16string_view LoadResourceString(int id) { return LoadResourceString(id, UiLanguage()); }

}  // namespace hexcribe::res
