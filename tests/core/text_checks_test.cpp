// The text checks: each finding where it belongs, once, the same whether the text comes whole or
// one character at a time.
#include "core/text_checks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

namespace hexcribe {
namespace {

// The findings of every character with one, as "index:letters[>composed]" (i invisible, d
// decomposed, b outside the BMP, g no glyph), e.g. "1:d>E9 2:i".
std::string Show(const std::vector<CheckedCharacter>& characters) {
  std::string out;
  for (const CheckedCharacter& c : characters) {
    if (c.findings == 0) continue;
    if (!out.empty()) out += ' ';
    out.append(std::to_string(c.index)).append(":");
    for (const auto& [bit, letter] : {std::pair{Finding::kInvisible, 'i'}, {Finding::kDecomposed, 'd'},
                                      {Finding::kOutsideBmp, 'b'}, {Finding::kNoGlyph, 'g'}}) {
      if (c.findings & bit) out += letter;
    }
    if (c.composed != 0) {
      char hex[16];
      std::snprintf(hex, sizeof hex, ">%X", static_cast<unsigned>(c.composed));
      out += hex;
    }
  }
  return out;
}

TEST(TextChecks, FindsEachProblemOnce) {
  const CodePointSet latin({{0x20, 0x7E}, {0xC0, 0xFF}, {0x300, 0x36F}});
  const struct {
    std::u16string text;
    bool withFace;
    const char* expected;
  } rows[] = {
      {u"e\u0301\u200B", false, "1:d>E9 2:i"},
      {u"\u00E9\u0301", false, ""},                   // nothing composes with the acute
      {u"e\u0301\u0327", false, "2:d>229"},          // the cedilla composes first, the acute then is left
      {u"a\u0323\u0302", false, "1:d>1EAD 2:d>1EAD"},  // both join, the character at the end counted
      {u"\u1100\u1161\u11A8\uAC00\u11A8", false, "1:d>AC01 2:d>AC01 4:d>AC01"},  // Hangul jamo
      {u"\t\n\r\u0007\u00AD\u2028\uFE0F\U000E0101 ", false, "3:i 4:i 5:i 6:i 7:ib"},
      {u"\U0001F468\u200D\U0001F469", false, "0:b 1:i 2:b"},
      {u"\u0301x", false, ""},                       // a mark with nothing before it joins nothing
      {u"A\u00E9\u4E00\u200B\t\U0001F600\xD800", true, "2:g 3:i 5:bg"},  // no face lacks invisibles or controls
  };
  for (const auto& row : rows) {
    const TextCheck whole = CheckText(row.text, row.text.size(), row.withFace ? &latin : nullptr);
    EXPECT_EQ(Show(whole.characters), row.expected) << testing::PrintToString(row.text);
    // One unit at a time (pairs kept whole) gives the same.
    TextChecker checker(row.withFace ? &latin : nullptr, false);
    for (std::size_t i = 0; i < row.text.size(); ++i) {
      const bool pair = i + 1 < row.text.size() && row.text[i] >= 0xD800 && row.text[i] <= 0xDBFF;
      checker.Add(std::u16string_view(row.text).substr(i, pair ? 2 : 1));
      i += pair;
    }
    checker.Finish();
    EXPECT_EQ(Show(checker.checked()), row.expected);
    EXPECT_EQ(checker.counts().decomposed + checker.counts().invisible + checker.counts().outsideBmp +
                  checker.counts().withoutGlyph,
              whole.counts.decomposed + whole.counts.invisible + whole.counts.outsideBmp + whole.counts.withoutGlyph);
  }
}

TEST(TextChecks, StopsAtTheCommandsEnd) {
  const TextCheck check = CheckText(u"a\u200B\U0001F600b", 3, nullptr);
  EXPECT_TRUE(check.pairCut);
  ASSERT_EQ(check.characters.size(), 2u);
  EXPECT_EQ(check.counts.invisible, 1u);
  EXPECT_EQ(check.counts.outsideBmp, 0u);
  EXPECT_EQ(check.characters[1].offset, 1u);
}

}  // namespace
}  // namespace hexcribe
