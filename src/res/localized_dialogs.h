// The dialog templates and the string table in each language: the English source tables
// (dialog_templates.h) with their texts translated, the version filled in, and the language's font
// and geometry applied.
#pragma once

#include <string_view>

#include "res/dialog_templates.h"
#include "res/translations.h"

namespace hexcribe::res {

// The templates in a language (nullptr: English): texts translated, the version filled in, and
// that language's dialog font and geometry.
const DialogTemplate& MainDialogTemplate(const Translation* language);
const DialogTemplate& AboutBoxTemplate(const Translation* language);
const DialogTemplate& CharacterDetailsTemplate(const Translation* language);

// The same in the language the windows show (UiLanguage()).
const DialogTemplate& MainDialogTemplate();
const DialogTemplate& AboutBoxTemplate();
const DialogTemplate& CharacterDetailsTemplate();

// The template with that id (IDD_CONVERTER_DIALOG, IDD_ABOUTBOX, IDD_CHARACTER_DETAILS) in the
// windows' language, or nullptr.
const DialogTemplate* FindDialogTemplate(int id);

// The string table: the text of string id in a language (nullptr: English), or "" when there is none.
std::u16string_view LoadResourceString(int id, const Translation* language);
// The same in the windows' language.
std::u16string_view LoadResourceString(int id);

}  // namespace hexcribe::res
