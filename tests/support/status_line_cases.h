// The status line's cases, one table for the portable dialog and both front ends: the face chosen
// (DejaVu Sans: Latin and U+1F600, no Hangul; NanumGothic: Hangul, no emoji), the text, the line.
#pragma once

#include <string>
#include <vector>

namespace hexcribe::test {

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

}  // namespace hexcribe::test
