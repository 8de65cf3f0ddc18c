// The Character Details rows: the command's characters as the text checks find them, and each
// cell's text in the string table's words.
#include "ui/character_details.h"

#include <iterator>
#include <utility>

#include "core/command_builder.h"
#include "core/hex_text.h"
#include "core/unicode.h"
#include "core/unicode_data.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "res/resource.h"

namespace hexcribe::ui {
namespace {

static_assert(std::size(res::kCharacterColumns) == kCharacterColumnCount,
              "the window's columns are the list view's columns in the template");

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// What the Character column shows: the character, except where it draws nothing or moves the
// text about (controls, invisible characters, a lone surrogate), which stay blank beside their
// name. A mark that joins the character before it stands on a dotted circle, as fonts draw it alone.
std::u16string Drawn(const CheckedCharacter& row, std::u16string_view units) {
  const GeneralCategory category = CategoryOf(row.codePoint);
  if ((row.findings & Finding::kInvisible) || category == GeneralCategory::kCc || category == GeneralCategory::kCs) {
    return {};
  }
  if (category == GeneralCategory::kMn || category == GeneralCategory::kMe) return u"\u25CC" + std::u16string(units);
  return std::u16string(units);
}

// What is wrong with the character, each problem in the string table's words, joined as the
// status line joins its parts.
std::u16string Problems(const CheckedCharacter& row) {
  std::u16string out;
  const auto add = [&out](std::u16string_view text) {
    if (!out.empty()) out += res::LoadResourceString(IDS_STATUS_SEPARATOR);
    out += text;
  };
  if (row.findings & Finding::kInvisible) add(res::LoadResourceString(IDS_PROBLEM_INVISIBLE));
  if (row.findings & Finding::kDecomposed) {
    // %1 names the character NFC makes of this one and those before it.
    std::u16string text(res::LoadResourceString(IDS_PROBLEM_DECOMPOSED));
    if (const std::size_t at = text.find(u"%1"); at != std::u16string::npos) {
      text.replace(at, 2, Widen(CodePointName(row.composed)));
    }
    add(text);
  }
  if (row.findings & Finding::kOutsideBmp) add(res::LoadResourceString(IDS_PROBLEM_ABOVE_BMP));
  if (row.findings & Finding::kNoGlyph) add(res::LoadResourceString(IDS_PROBLEM_NO_GLYPH));
  return out;
}

}  // namespace

void CharacterDetails::Update(std::u16string_view command, std::vector<CheckedCharacter> characters,
                              Separator separator) {
  command_.assign(command);
  rows_ = std::move(characters);
  separator_ = separator;
}

std::u16string CharacterDetails::Cell(std::size_t row, int column) const {
  if (row >= rows_.size()) return {};
  const CheckedCharacter& character = rows_[row];
  const std::u16string_view units = std::u16string_view(command_).substr(character.offset, character.units);
  switch (column) {
    case kNumberColumn: return Widen(std::to_string(row + 1));
    case kCharacterColumn: return Drawn(character, units);
    case kCodePointColumn: return Widen(CodePointName(character.codePoint));
    case kBytesColumn: return Widen(BuildCommand(units, separator_, false));
    case kNameColumn: return Widen(CharacterNameOrLabel(character.codePoint));
    case kProblemsColumn: return Problems(character);
    default: return {};
  }
}

UnitSpan CharacterDetails::UnitsOf(std::size_t row) const {
  if (row >= rows_.size()) return {0, 0};
  return {rows_[row].offset, rows_[row].units};
}

}  // namespace hexcribe::ui
