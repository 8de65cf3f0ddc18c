// Build tool: writes the gettext template entries of the dialogs' texts (translation_template.h) to
// standard output, for tools/translations/update_translations.py. Fails when a text with
// placeholders has no translator note.
#include <cstdio>
#include <string>

#include "tools/translations/translation_template.h"

int main() {
  const hexcribe::tools::TemplateEntries made = hexcribe::tools::WriteTranslationTemplateEntries();
  for (const std::string& text : made.unexplained) {
    std::fprintf(stderr, "%s has placeholders but no translator note saying what they stand for\n", text.c_str());
  }
  const std::string& entries = made.entries;
  const bool written = std::fwrite(entries.data(), 1, entries.size(), stdout) == entries.size();
  return std::fflush(stdout) == 0 && written && made.unexplained.empty() ? 0 : 1;
}
