// Cases the portable dialog and both front ends share: the status line's (DejaVu Sans: no Hangul;
// NanumGothic: no emoji), Paste Command as Text's (before: empty is the box one unit short of full),
// Character Details' and Compose Characters'.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/character_details.h"
#include "ui/main_dialog.h"
#include "ui/status_line.h"

namespace hexcribe::test {

// The status line's longest message in the windows' language: every part, the largest numbers.
inline std::u16string LongestStatusLine() {
  return ui::StatusLineText({1022, 2046, 511, 1022, 1022, 511, true, 32767, true}, ui::kCommandUnits);
}

struct StatusLineCase {
  const char* name;
  std::u16string face;
  std::u16string input;
  std::u16string status;
};

inline std::vector<StatusLineCase> StatusLineCases() {
  const std::u16string latin = u"DejaVu Sans", hangul = u"NanumGothic", emoji = u"\U0001F600";
  return {
      {"empty", latin, u"", u"Characters: 0; Bytes: 0"},
      {"ASCII, a tab needs no glyph", latin, u"H\ti", u"Characters: 3; Bytes: 6"},
      {"Hangul in a Latin face", latin, u"\uD55C\uAD6D", u"Characters: 2; Bytes: 4; No glyph in font: 2"},
      {"Hangul in a Hangul face", hangul, u"\uD55C\uAD6D", u"Characters: 2; Bytes: 4"},
      {"emoji", latin, emoji, u"Characters: 1; Bytes: 4; Above U+FFFF: 1"},
      {"emoji in a face without it", hangul, emoji, u"Characters: 1; Bytes: 4; Above U+FFFF: 1; No glyph in font: 1"},
      {"an accent to compose, a zero-width space", latin, u"e\u0301\u200B",
       u"Characters: 3; Bytes: 6; Invisible: 1; Decomposed: 1"},
      {"exactly 1023 units", latin, std::u16string(1023, u'A'), u"Characters: 1023; Bytes: 2046"},
      {"1024 units", latin, std::u16string(1024, u'A'),
       u"Characters: 1023; Bytes: 2046; Command cut after unit 1023 (character 1023 of 1024)"},
      {"pair cut at 1023", latin, std::u16string(1022, u'A') + emoji + u"B",
       u"Characters: 1022; Bytes: 2046; Command cut after unit 1023, splitting character 1023 of 1024"},
  };
}

struct PasteCommandCase {
  const char* name;
  std::string clipboard;
  std::u16string before;  // the input box, the cursor after its first unit
  bool enabled;
  std::u16string inserted;  // line breaks as CR LF
};

inline std::vector<PasteCommandCase> PasteCommandCases() {
  return {
      {"one command", "Print 'U::5C D5 6D AD';", u"ab", true, u"\uD55C\uAD6D"},
      {"lines of numbers", "41,00\r\n42-00\n4300\n", u".", true, u"A\r\nB\r\nC"},
      {"texts' own line breaks", "0D 00 0A 00 41 00\n0A 00\n42 00", u".", true, u"\r\nA\r\n\r\n\r\nB"},
      {"lone surrogate", "3D D8", u".", false, u""},
      {"malformed number", "41 0", u".", false, u""},
      {"up to the box's limit", "41 00 42 00", u"", true, u"A"},
  };
}

struct CharacterDetailsCase {
  const char* name;
  std::u16string face;
  std::u16string input;
  int separation;                    // the Separation list's item
  std::size_t firstRow;              // the rows below are the last ones, from this row on
  std::vector<std::u16string> rows;  // each row's cells, joined by '|'
  std::size_t chosen;                // the row the user chooses
  ui::TextSelection selected;        // what that selects in the input box
};

// A row's cells joined as the cases write them.
inline std::u16string JoinedRow(const std::function<std::u16string(int column)>& cell) {
  std::u16string row;
  for (int column = 0; column < ui::kCharacterColumnCount; ++column) {
    if (column > 0) row += u'|';
    row += cell(column);
  }
  return row;
}

inline std::vector<CharacterDetailsCase> CharacterDetailsCases() {
  return {
      {"to compose, invisible, without a glyph, above U+FFFF", u"DejaVu Sans", u"e\u0301\u200B\uD55C\U0001F600", 0,
       0,
       {u"1|e|U+0065|65 00|LATIN SMALL LETTER E|",
        u"2|\u25CC\u0301|U+0301|01 03|COMBINING ACUTE ACCENT|decomposed (NFC: U+00E9)",
        u"3||U+200B|0B 20|ZERO WIDTH SPACE|invisible", u"4|\uD55C|U+D55C|5C D5|HANGUL SYLLABLE HAN|no glyph in font",
        u"5|\U0001F600|U+1F600|3D D8 00 DE|GRINNING FACE|outside the BMP"},
       4,
       {4, 6}},
      {"a line break is two units; hyphens", u"DejaVu Sans", u"a\r\nb", 3, 0,
       {u"1|a|U+0061|61-00|LATIN SMALL LETTER A|", u"2||U+000D|0D-00|CARRIAGE RETURN|", u"3||U+000A|0A-00|LINE FEED|",
        u"4|b|U+0062|62-00|LATIN SMALL LETTER B|"},
       3,
       {3, 4}},
      {"a pair cut by the command's end is left out", u"DejaVu Sans", std::u16string(1022, u'A') + u"\U0001F600", 0,
       1021, {u"1022|A|U+0041|41 00|LATIN CAPITAL LETTER A|"}, 1021, {1021, 1022}},
  };
}

struct ComposeCase {
  const char* name;
  std::u16string input;
  std::size_t cursor;  // where the cursor stands before
  bool enabled;
  std::u16string composed;
  std::size_t composedCursor;
};

inline std::vector<ComposeCase> ComposeCases() {
  return {
      {"already composed", u"caf\u00E9", 2, false, u"caf\u00E9", 2},
      {"an accent after its letter, the cursor after both", u"xe\u0301y", 3, true, u"x\u00E9y", 2},
      {"the cursor between a letter and its accent", u"e\u0301", 1, true, u"\u00E9", 1},
      {"Hangul jamo after a line break", u"a\r\n\u1112\u1161\u11AB!", 7, true, u"a\r\n\uD55C!", 5},
  };
}

}  // namespace hexcribe::test
