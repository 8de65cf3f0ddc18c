// Names, categories and NFC against independent sources (Python's unicodedata, the database's
// conformance file; see unicode_oracle.py), and the code point labels where a name is missing.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "core/normalization.h"
#include "core/unicode_data.h"
#include "core/unicode.h"

namespace hexcribe {
namespace {

std::u16string FromHexList(const std::string& list) {
  std::u16string text;
  std::istringstream in(list);
  std::string hex;
  while (in >> hex) {
    const auto cp = static_cast<char32_t>(std::stoul(hex, nullptr, 16));
    if (cp > 0xFFFF) text += {HighSurrogateOf(cp), LowSurrogateOf(cp)};
    else text += static_cast<char16_t>(cp);
  }
  return text;
}

TEST(UnicodeData, AgreesWithIndependentSources) {
  std::ifstream oracle(HEXCRIBE_UNICODE_ORACLE);
  ASSERT_TRUE(oracle) << HEXCRIBE_UNICODE_ORACLE;
  std::string line;
  int names = 0, compositions = 0, failures = 0;
  while (std::getline(oracle, line) && failures < 20) {
    std::istringstream fields(line);
    std::string kind, first, second, third;
    std::getline(fields, kind, ';');
    std::getline(fields, first, ';');
    std::getline(fields, second, ';');
    std::getline(fields, third);
    if (kind == "N") {
      const auto cp = static_cast<char32_t>(std::stoul(first, nullptr, 16));
      const std::string_view category = CategoryAbbreviation(CategoryOf(cp));
      const std::string name = third.empty() ? third : CharacterName(cp);  // the oracle names no control
      ++names;
      EXPECT_EQ(category, second) << first;
      EXPECT_EQ(name, third) << first;
      failures += category != second || name != third;
    } else {
      const std::u16string source = FromHexList(first), nfc = FromHexList(second), made = ToNfc(source);
      ++compositions;
      EXPECT_EQ(made, nfc) << first;
      EXPECT_EQ(IsNfc(source), source == nfc) << first;
      failures += made != nfc || IsNfc(source) != (source == nfc);
    }
  }
  EXPECT_GT(names, 100000);
  EXPECT_GT(compositions, 50000);
}

TEST(UnicodeData, NameOrLabel) {
  const struct {
    char32_t codePoint;
    const char* expected;
  } rows[] = {
      {0x0009, "CHARACTER TABULATION"},  // controls take their alias
      {0x0080, "PADDING CHARACTER"},
      {0x31350, "CJK UNIFIED IDEOGRAPH-31350"},  // newer than the oracle's data
      {0xD7A3, "HANGUL SYLLABLE HIH"},
      {0xD800, "<surrogate-D800>"},
      {0x10FFFD, "<private-use-10FFFD>"},
      {0xFDD0, "<noncharacter-FDD0>"},
      {0x1FFFF, "<noncharacter-1FFFF>"},
      {0x0378, "<reserved-0378>"},
  };
  for (const auto& row : rows) EXPECT_EQ(CharacterNameOrLabel(row.codePoint), row.expected) << std::hex << std::uint32_t{row.codePoint};
  EXPECT_EQ(CharacterName(0x0378), "");
}

}  // namespace
}  // namespace hexcribe
