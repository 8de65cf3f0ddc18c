// The texts translators translate, as the entries of a gettext template (hexcribe.pot).
#pragma once

#include <string>

namespace hexcribe::tools {

// One entry per distinct text of the dialogs, their list items and the string table, in table
// order: a comment saying where the text shows, a format flag where it has placeholders (c-format
// for %s, qt-format for %1, %2, ...), the msgid and an empty msgstr. No header: the template's
// header and the desktop files' texts are added by tools/translations/update_translations.py.
std::string WriteTranslationTemplateEntries();

}  // namespace hexcribe::tools
