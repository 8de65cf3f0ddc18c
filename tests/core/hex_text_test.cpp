// Tests for FormatNumber (the _itoa rules, padding and cutting) and JoinStrings.
#include "core/hex_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace hexcribe {
namespace {

struct FormatCase {
  std::int32_t value;
  int radix;
  int width;
  std::u16string expected;
};

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, RendersLikeItoaWithPadding) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatNumber(c.value, c.radix, c.width), c.expected)
      << "value " << c.value << " radix " << c.radix << " width " << c.width;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatNumberTest,
    ::testing::Values(
        // Bytes as the command renders them.
        FormatCase{10, 16, 2, u"0A"}, FormatCase{255, 16, 2, u"FF"}, FormatCase{0, 16, 2, u"00"},
        // Version digits.
        FormatCase{7, 10, -1, u"7"}, FormatCase{0, 10, -1, u"0"}, FormatCase{1235, 10, -1, u"1235"},
        // Negative: sign only in radix 10, unsigned 32-bit pattern elsewhere.
        FormatCase{-1, 16, 2, u"FF"}, FormatCase{-1, 16, -1, u"FFFFFFFF"}, FormatCase{-1, 10, -1, u"-1"},
        FormatCase{INT_MIN, 10, -1, u"-2147483648"}, FormatCase{INT_MIN, 16, -1, u"80000000"},
        FormatCase{-2, 2, -1, u"11111111111111111111111111111110"}, FormatCase{-5, 8, -1, u"37777777773"},
        // Upper case only above radix 10; radix 36 uses the whole alphabet.
        FormatCase{35, 36, -1, u"Z"}, FormatCase{INT_MAX, 36, -1, u"ZIK0ZJ"},
        // Cutting to the rightmost characters, padding at most ten zeros.
        FormatCase{0x1AB, 16, 2, u"AB"}, FormatCase{5, 16, 0, u""}, FormatCase{5, 16, -2, u""},
        FormatCase{5, 16, -100, u""}, FormatCase{5, 10, 4, u"0005"}, FormatCase{5, 10, 11, u"00000000005"},
        FormatCase{5, 10, 30, u"00000000005"}, FormatCase{-7, 10, 3, u"0-7"},
        // Radix outside 2..36 renders nothing.
        FormatCase{5, 1, -1, u""}, FormatCase{5, 37, -1, u""}));

TEST(FormatNumberTest, EveryByteMatchesTheTableUsedByTheHotPath) {
  for (int b = 0; b < 256; ++b) {
    const HexPair pair = ByteToHex(static_cast<std::uint8_t>(b));
    const std::u16string fromTable{static_cast<char16_t>(pair.high), static_cast<char16_t>(pair.low)};
    EXPECT_EQ(fromTable, FormatNumber(b, 16, 2)) << b;
  }
}

struct JoinCase {
  std::vector<std::u16string> items;
  std::u16string separator;
  std::optional<std::u16string> placeholder;
  std::u16string expected;
};

class JoinStringsTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinStringsTest, JoinsWithSeparatorAndPlaceholder) {
  const JoinCase& c = GetParam();
  EXPECT_EQ(JoinStrings(c.items, c.separator, c.placeholder), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JoinStringsTest,
    ::testing::Values(JoinCase{{u"41", u"00"}, u" ", u"", u"41 00"}, JoinCase{{u"41", u"00"}, u"", u"", u"4100"},
                      JoinCase{{u"a", u"", u"b"}, u",", u"?", u"a,?,b"},
                      JoinCase{{u"a", u"", u"b"}, u",", std::nullopt, u"a,,b"},
                      JoinCase{{u"", u""}, u"-", std::nullopt, u"-"}, JoinCase{{}, u",", u"?", u""},
                      JoinCase{{u"x"}, u", ", std::nullopt, u"x"}, JoinCase{{u""}, u",", u"<>", u"<>"}));

}  // namespace
}  // namespace hexcribe
