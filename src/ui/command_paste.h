// "Paste Command as Text": commands or bare numbers on the clipboard turned back into the text they carry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hexcribe::ui {

// The text the clipboard's lines stand for when every line reads as a command
// or as bare numbers, with the rules of hexcribe-cli --decode (any separator,
// either case, blank lines give empty lines): the lines' texts joined by CR LF.
// nullopt when the clipboard holds no command at all, when a line is
// malformed (a lone surrogate among them), or when a text holds U+0000, which
// the input box cannot hold.
std::optional<std::u16string> TextOfPastedCommands(std::u16string_view clipboard);

}  // namespace hexcribe::ui
