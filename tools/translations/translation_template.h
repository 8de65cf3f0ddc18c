// The texts translators translate, as the entries of a gettext template (hexcribe.pot).
#pragma once

#include <string>
#include <vector>

namespace hexcribe::tools {

struct TemplateEntries {
  std::string entries;
  std::vector<std::string> unexplained;  // texts with placeholders but no translator note (quoted)
};

// One entry per distinct text of the dialogs, their list items and the string table, in table
// order: comments saying where the text shows and what its placeholders and terms mean (the
// tables' translator notes), a format flag where it has placeholders (c-format for %s, qt-format
// for %1, %2, ...), the msgid and an empty msgstr. No header: the template's header and the
// desktop files' texts are added by tools/translations/update_translations.py.
TemplateEntries WriteTranslationTemplateEntries();

}  // namespace hexcribe::tools
