// Hex text: every byte's digit pair, and values padded or grown to their width.
#include "core/hex_text.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace hexcribe {
namespace {

TEST(HexText, EveryByteGivesItsTwoUpperCaseDigits) {
  for (int b = 0; b < 256; ++b) {
    char expected[3];
    std::snprintf(expected, sizeof expected, "%02X", static_cast<unsigned>(b));
    const HexPair pair = ByteToHex(static_cast<std::uint8_t>(b));
    EXPECT_EQ(std::string({pair.high, pair.low}), expected) << b;
  }
}

TEST(HexText, ValuesArePaddedToTheirWidthAndNeverCut) {
  const struct {
    std::uint32_t value;
    int minDigits;
    std::string expected;
  } cases[] = {{0, 1, "0"},        {0, 2, "00"},       {0xAB, 2, "AB"},       {0x5, 4, "0005"},
               {0x1F600, 4, "1F600"}, {0x10FFFF, 4, "10FFFF"}, {0xFFFFFFFF, 8, "FFFFFFFF"}, {0x50000000, 8, "50000000"},
               {0xAB, 0, "AB"}};
  for (const auto& c : cases) EXPECT_EQ(UpperHex(c.value, c.minDigits), c.expected) << c.value;
  EXPECT_EQ(CodePointName(0x41), "U+0041");
  EXPECT_EQ(CodePointName(0x1F600), "U+1F600");
}

}  // namespace
}  // namespace hexcribe
