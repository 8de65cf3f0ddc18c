// Writes the dialog templates, their initial list items and the string table as resource-script text.
#pragma once

#include <optional>
#include <string>

namespace hexcribe::res {

// The resource statements of both dialogs, the main dialog's initial list items and the
// string table, in UTF-8 for "#pragma code_page(65001)". nullopt when an initial list item
// is not ASCII (those items are stored in the ANSI code page, which has no one meaning).
std::optional<std::string> WriteDialogResources();

}  // namespace hexcribe::res
