// Build tool: writes the gettext template entries of the dialogs' texts (translation_template.h) to
// standard output, for tools/translations/update_translations.py.
#include <cstdio>
#include <string>

#include "tools/translations/translation_template.h"

int main() {
  const std::string entries = hexcribe::tools::WriteTranslationTemplateEntries();
  const bool written = std::fwrite(entries.data(), 1, entries.size(), stdout) == entries.size();
  return std::fflush(stdout) == 0 && written ? 0 : 1;
}
