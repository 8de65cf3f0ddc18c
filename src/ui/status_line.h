// The status line under the dialog's bottom row: what the command carries, measured and put in words.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/text_checks.h"

namespace hexcribe::ui {

// What the command made from the first `commandUnits` units of a text carries.
struct CommandSummary {
  std::size_t characters = 0;  // whole characters (code points) in the command
  std::size_t bytes = 0;       // its UTF-16LE bytes
  std::size_t aboveBmp = 0;    // of those characters, the ones above U+FFFF (two units each)
  // Of those characters, the ones the face has no glyph for; nullopt when the
  // face's glyphs are unknown. Control and invisible formatting characters,
  // which no face draws, do not count.
  std::optional<std::size_t> withoutGlyph;
  // Of those characters, the invisible ones (formatting, variation selectors, controls other than
  // tab and line breaks), and the places where NFC would join a character to the one before it.
  std::size_t invisible = 0;
  std::size_t decomposed = 0;
  // The text goes on past the command: how many characters it has in all, and
  // whether the command ends with the first half of a character's pair.
  bool cut = false;
  std::size_t textCharacters = 0;
  bool pairCut = false;
};

// check: CheckText of the first commandUnits units of text; faceKnown: whether it was given the
// face's glyphs.
CommandSummary SummarizeCommand(std::u16string_view text, std::size_t commandUnits, const TextCheck& check,
                                bool faceKnown);

// The summary in the status line's words: the characters and bytes, then only
// what applies (characters above U+FFFF, characters without a glyph, invisible
// characters, decomposed places, where the command cuts the text). Plain text
// from the string table's formats.
std::u16string StatusLineText(const CommandSummary& summary, std::size_t commandUnits);

}  // namespace hexcribe::ui
