// Writes the dialog templates, their initial list items and the string table as resource-script text.
#pragma once

#include <optional>
#include <string>

namespace hexcribe::tools {

// The resource statements of both dialogs, the main dialog's initial list items and the
// string table, in U.S. English and then in every translation under each of its Windows language
// ids (LANGUAGE statements), so that Windows' resource loader picks the user's language. Text in
// UTF-8 for "#pragma code_page(65001)"; the string table of every language holds IDS_UI_LANGUAGE,
// the language's code, which tells the program which language the loader picked. nullopt when an
// initial list item holds a zero character.
std::optional<std::string> WriteDialogResources();

}  // namespace hexcribe::tools
