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

// Characters (code points) in the text; a lone surrogate is a character of its own.
std::size_t CountCharacters(std::u16string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i, ++count) {
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) ++i;
  }
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

CommandSummary SummarizeCommand(std::u16string_view text, std::size_t commandUnits, const TextCheck& check,
                                bool faceKnown) {
  CommandSummary summary;
  summary.bytes = 2 * std::min(text.size(), commandUnits);
  summary.characters = check.characters.size();
  summary.aboveBmp = check.counts.outsideBmp;
  if (faceKnown) summary.withoutGlyph = check.counts.withoutGlyph;
  summary.invisible = check.counts.invisible;
  summary.decomposed = check.counts.decomposed;
  summary.pairCut = check.pairCut;  // its low half lies past the command's last unit
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
  if (summary.invisible > 0) add(Format(IDS_STATUS_INVISIBLE, {summary.invisible}));
  if (summary.decomposed > 0) add(Format(IDS_STATUS_DECOMPOSED, {summary.decomposed}));
  if (summary.cut) {
    // The character named is the one the cut falls in, or the last one the command holds.
    add(summary.pairCut ? Format(IDS_STATUS_CUT_PAIR, {commandUnits, summary.characters + 1, summary.textCharacters})
                        : Format(IDS_STATUS_CUT, {commandUnits, summary.characters, summary.textCharacters}));
  }
  return line;
}

}  // namespace hexcribe::ui
