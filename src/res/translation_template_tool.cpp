// Build tool: writes the gettext template entries of the dialogs' texts (translation_template.h) to
// standard output, for src/res/po/update_translations.py.
#include <cstdio>
#include <string>

#include "res/translation_template.h"

int main() {
  const std::string entries = hexcribe::res::WriteTranslationTemplateEntries();
  const bool written = std::fwrite(entries.data(), 1, entries.size(), stdout) == entries.size();
  return std::fflush(stdout) == 0 && written ? 0 : 1;
}
