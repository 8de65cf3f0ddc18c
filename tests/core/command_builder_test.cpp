// Tests for BuildCommand: worked examples, separators, units that must pass through untouched.
#include "core/command_builder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace hexcribe {
namespace {

struct CommandCase {
  std::u16string text;
  int separator;  // index of the Separation list, as the dialog passes it
  bool whole;
  std::string expected;
};

class BuildCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(BuildCommandTest, ProducesTheExpectedCommand) {
  const CommandCase& c = GetParam();
  EXPECT_EQ(BuildCommand(c.text, SeparatorAtListIndex(c.separator), c.whole), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, BuildCommandTest,
    ::testing::Values(CommandCase{u"A", 0, false, "41 00"}, CommandCase{u"A", 0, true, "Print 'U::41 00';"},
                      CommandCase{u"AB", 0, false, "41 00 42 00"},
                      CommandCase{u"AB", 0, true, "Print 'U::41 00 42 00';"},
                      CommandCase{u"\uD55C\uAD6D\uC778", 0, false, "5C D5 6D AD 78 C7"},
                      CommandCase{u"\uD55C\uAD6D\uC778", 0, true, "Print 'U::5C D5 6D AD 78 C7';"},
                      CommandCase{u"", 0, false, ""}, CommandCase{u"", 0, true, "Print 'U::';"},
                      CommandCase{u"", 3, true, "Print 'U::';"}));

INSTANTIATE_TEST_SUITE_P(
    Separators, BuildCommandTest,
    ::testing::Values(CommandCase{u"A", 1, false, "4100"}, CommandCase{u"A", 2, false, "41,00"},
                      CommandCase{u"A", 3, false, "41-00"}, CommandCase{u"AB", 2, true, "Print 'U::41,00,42,00';"},
                      CommandCase{u"AB", 3, true, "Print 'U::41-00-42-00';"},
                      // Out of range: joined with nothing.
                      CommandCase{u"AB", -1, false, "41004200"}, CommandCase{u"AB", 4, false, "41004200"},
                      CommandCase{u"AB", 1000, true, "Print 'U::41004200';"},
                      CommandCase{u"AB", -2147483647 - 1, false, "41004200"}));

INSTANTIATE_TEST_SUITE_P(
    UnitsPassThrough, BuildCommandTest,
    ::testing::Values(
        // U+1F600 as its surrogate pair D83D DE00.
        CommandCase{u"\U0001F600", 0, false, "3D D8 00 DE"},
        // A lone high and a lone low surrogate stay as they are.
        CommandCase{std::u16string(1, char16_t{0xD83D}), 0, false, "3D D8"},
        CommandCase{std::u16string(1, char16_t{0xDE00}) + u"A", 2, false, "00,DE,41,00"},
        // A pasted line break.
        CommandCase{u"A\r\nB", 0, false, "41 00 0D 00 0A 00 42 00"},
        // NUL and the extremes of the unit range.
        CommandCase{std::u16string(1, char16_t{0}), 0, false, "00 00"},
        CommandCase{u"\uFFFF\u0100", 3, false, "FF-FF-00-01"},
        // No normalisation: a decomposed e + combining acute stays two units.
        CommandCase{u"e\u0301", 0, false, "65 00 01 03"}));

TEST(BuildCommandTest, OutputHasExactlyTheComputedLength) {
  // 2n numbers of two digits and 2n-1 separators, plus the wrapper.
  const std::u16string text(1023, u'\uAC00');
  for (int sep = -1; sep <= 4; ++sep) {
    const Separator separator = SeparatorAtListIndex(sep);
    const std::size_t sepLen = SeparatorText(separator).size();
    EXPECT_EQ(BuildCommand(text, separator, false).size(), 2046 * 2 + 2045 * sepLen) << sep;
    EXPECT_EQ(BuildCommand(text, separator, true).size(), 2046 * 2 + 2045 * sepLen + 12) << sep;
  }
}

TEST(BuildCommandTest, MatchesByteByByteFormattingOfEveryUnit) {
  // Every unit value, checked against printf's formatting as a plain reference.
  std::u16string text;
  std::string expected = "Print 'U::";
  for (std::uint32_t u = 0; u <= 0xFFFF; ++u) {
    text.push_back(static_cast<char16_t>(u));
    char numbers[8];
    std::snprintf(numbers, sizeof numbers, u == 0 ? "%02X,%02X" : ",%02X,%02X", u & 0xFF, u >> 8);
    expected += numbers;
  }
  EXPECT_EQ(BuildCommand(text, Separator::kComma, true), expected + "';");
}

TEST(BuildCommandTest, AppendKeepsWhatTheBufferHeld) {
  std::string out = "x";
  AppendCommand(out, u"A", Separator::kSpace, true);
  AppendCommand(out, u"B", Separator::kNone, false);
  EXPECT_EQ(out, "xPrint 'U::41 00';4200");
}

}  // namespace
}  // namespace hexcribe
