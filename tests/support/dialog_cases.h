// Cases the portable dialog and both front ends share: the status line's (DejaVu Sans: no Hangul;
// NanumGothic: no emoji) and Paste Command as Text's (before: empty is the box one unit short of full).
#pragma once

#include <string>
#include <vector>

#include "ui/main_dialog.h"
#include "ui/status_line.h"

namespace hexcribe::test {

// The status line's longest message in the windows' language: every part, the largest numbers.
inline std::u16string LongestStatusLine() {
  return ui::StatusLineText({1022, 2046, 511, 1022, true, 32767, true}, ui::kCommandUnits);
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

}  // namespace hexcribe::test
