// Measuring the command for the status line and putting the measure in the string table's words.
#include "ui/status_line.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

#include "core/unicode.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "res/resource.h"

namespace hexcribe::ui {
namespace {

// Characters that no face draws a glyph for, so their absence from a face's
// map means nothing: controls (line breaks, tabs) and invisible formatting.
bool NeedsNoGlyph(char32_t cp) {
  return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) ||  // C0 and C1 controls, DEL
         (cp >= 0x200B && cp <= 0x200F) ||             // zero-width spaces and joiners, direction marks
         (cp >= 0x2028 && cp <= 0x202E) ||             // line and paragraph separators, embeddings
         (cp >= 0x2060 && cp <= 0x206F) ||             // word joiner, invisible operators, isolates
         (cp >= 0xFE00 && cp <= 0xFE0F) ||             // variation selectors
         cp == 0xFEFF ||                               // zero-width no-break space
         (cp >= 0xE0000 && cp <= 0xE0FFF);             // tags, variation selectors supplement
}

// The character starting at `i`: its code point and its length in units (a
// lone surrogate is a character of its own, as the command carries it).
struct Character {
  char32_t codePoint;
  std::size_t units;
};
Character CharacterAt(std::u16string_view text, std::size_t i) {
  if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
    return {CombineSurrogates(text[i], text[i + 1]), 2};
  }
  return {text[i], 1};
}

std::size_t CountCharacters(std::u16string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += CharacterAt(text, i).units) ++count;
  return count;
}

std::u16string Number(std::size_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return std::u16string(digits, end);
}

// The string `id` with %1, %2 ... replaced by the numbers in order.
std::u16string Format(int id, std::initializer_list<std::size_t> numbers) {
  const std::u16string_view format = res::LoadResourceString(id);
  std::u16string out;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const std::size_t index = i + 1 < format.size() ? static_cast<std::size_t>(format[i + 1] - u'1') : numbers.size();
    if (format[i] == u'%' && index < numbers.size()) {
      out += Number(numbers.begin()[index]);
      ++i;
    } else {
      out += format[i];
    }
  }
  return out;
}

}  // namespace

CommandSummary SummarizeCommand(std::u16string_view text, std::size_t commandUnits, const CodePointSet* faceGlyphs) {
  CommandSummary summary;
  const std::size_t units = std::min(text.size(), commandUnits);
  summary.bytes = 2 * units;
  std::size_t withoutGlyph = 0;
  for (std::size_t i = 0; i < units;) {
    const Character c = CharacterAt(text, i);
    if (i + c.units > units) {
      summary.pairCut = true;  // its low half lies past the command's last unit
      break;
    }
    i += c.units;
    ++summary.characters;
    if (c.codePoint > 0xFFFF) ++summary.aboveBmp;
    if (faceGlyphs != nullptr && !IsSurrogate(c.codePoint) && !NeedsNoGlyph(c.codePoint) &&
        !faceGlyphs->Contains(c.codePoint)) {
      ++withoutGlyph;
    }
  }
  if (faceGlyphs != nullptr) summary.withoutGlyph = withoutGlyph;
  summary.cut = text.size() > commandUnits;
  if (summary.cut) summary.textCharacters = CountCharacters(text);
  return summary;
}

std::u16string StatusLineText(const CommandSummary& summary, std::size_t commandUnits) {
  std::u16string line = Format(IDS_STATUS_CHARACTERS, {summary.characters});
  const std::u16string_view separator = res::LoadResourceString(IDS_STATUS_SEPARATOR);
  auto add = [&](const std::u16string& part) {
    line += separator;
    line += part;
  };
  add(Format(IDS_STATUS_BYTES, {summary.bytes}));
  if (summary.aboveBmp > 0) add(Format(IDS_STATUS_ABOVE_BMP, {summary.aboveBmp}));
  if (summary.withoutGlyph.value_or(0) > 0) add(Format(IDS_STATUS_NO_GLYPH, {*summary.withoutGlyph}));
  if (summary.cut) {
    // The character named is the one the cut falls in, or the last one the command holds.
    add(summary.pairCut ? Format(IDS_STATUS_CUT_PAIR, {commandUnits, summary.characters + 1, summary.textCharacters})
                        : Format(IDS_STATUS_CUT, {commandUnits, summary.characters, summary.textCharacters}));
  }
  return line;
}

}  // namespace hexcribe::ui
