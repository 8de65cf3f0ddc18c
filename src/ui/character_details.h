// The Character Details list: one row per character of the command's text, each cell in the
// window's words. Both front ends show it as a list whose rows they ask for as they draw them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/separator.h"
#include "core/text_checks.h"

namespace hexcribe::ui {

// The size the Character column draws each character at, in the face of the input box.
inline constexpr int kCharacterTenthsOfPoint = 160;

// The list's columns, in the order of the list view's columns in the template.
enum CharacterColumn : int {
  kNumberColumn,
  kCharacterColumn,
  kCodePointColumn,
  kBytesColumn,
  kNameColumn,
  kProblemsColumn,
  kCharacterColumnCount,
};

// Where a row's character sits in the text: its first unit and how many units it takes.
struct UnitSpan {
  std::size_t start;
  std::size_t length;
};

class CharacterDetails {
 public:
  // The rows of the command's text: its characters as CheckText found them, the bytes written
  // with separator.
  void Update(std::u16string_view command, std::vector<CheckedCharacter> characters, Separator separator);

  std::size_t RowCount() const { return rows_.size(); }
  // The text of a cell; "" for a row or column that does not exist.
  std::u16string Cell(std::size_t row, int column) const;
  // The units of the text that the row's character takes; {0, 0} past the last row.
  UnitSpan UnitsOf(std::size_t row) const;

 private:
  std::u16string command_;  // the command's units, which the rows point into
  std::vector<CheckedCharacter> rows_;
  Separator separator_ = Separator::kSpace;
};

}  // namespace hexcribe::ui
