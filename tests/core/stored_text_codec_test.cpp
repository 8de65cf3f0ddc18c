// Tests for the stored-text codec: encoding, wcstol-style group parsing and round trips.
#include "core/stored_text_codec.h"

#include <gtest/gtest.h>

#include <random>

namespace hexcribe {
namespace {

struct CodecCase {
  std::u16string stored;
  std::u16string text;
};

class DecodeStoredTextTest : public ::testing::TestWithParam<CodecCase> {};

TEST_P(DecodeStoredTextTest, DecodesGroupByGroup) {
  EXPECT_EQ(DecodeStoredText(GetParam().stored), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeStoredTextTest,
    ::testing::Values(CodecCase{u"", u""}, CodecCase{u"41", u""}, CodecCase{u"4100", u"A"},
                      CodecCase{u"410042", u"A"},         // trailing incomplete group dropped
                      CodecCase{u"41000000", u"A"},       // zero unit dropped
                      CodecCase{u"5CD56DAD78C7", u"\uD55C\uAD6D\uC778"},
                      CodecCase{u"5cd5", u"\uD55C"},      // lower-case digits
                      CodecCase{u"zz41", u""},            // no leading hex digit: 0, dropped
                      CodecCase{u" 41 ", u"\u4100"},      // leading space skipped, parse stops at the space: 0x41
                      CodecCase{u"\t\n41", u"\u4100"},    // any C white space
                      CodecCase{u"-001", u"\uFFFF"},      // -1: low 16 bits 0xFFFF
                      CodecCase{u"-100", u"\u00FF"},      // -0x100 = 0x...FF00, swapped to 0x00FF
                      CodecCase{u"0x41", u"\u4100"},      // prefix skipped
                      CodecCase{u"0X4g", u"\u0400"},      // stops at g
                      CodecCase{u"0xzz", u""},            // prefix without digits: 0
                      CodecCase{u"+4zz", u"\u0400"},      // sign then stop
                      CodecCase{u"4zz1", u"\u0400"},
                      CodecCase{u"414g", u"\u1404"},      // a pair, a single digit, then a stop
                      CodecCase{u"    ", u""}, CodecCase{u"--41", u""},
                      CodecCase{u"\uD55C\uD55C41", u""},   // non-ASCII characters are not digits
                      CodecCase{u"zz414100", u"A"},        // a bad group does not spoil the next
                      CodecCase{u"3DD800DE", u"\U0001F600"}));

TEST(StoredTextCodecTest, EncodesFourUpperCaseDigitsPerUnitAndDecodesThemBack) {
  const CodecCase cases[] = {{u"", u""},         {u"4100", u"A"},        {u"5CD5", u"\uD55C"},
                             {u"5CD56DAD78C7", u"\uD55C\uAD6D\uC778"}, {u"0D000A00", u"\r\n"},
                             {u"FFFF0100", u"\uFFFF\u0001"}};
  for (const CodecCase& c : cases) {
    EXPECT_EQ(EncodeStoredText(c.text), c.stored);
    EXPECT_EQ(DecodeStoredText(c.stored), c.text) << testing::PrintToString(c.stored);
  }
}

TEST(StoredTextCodecTest, MaximumSavedTextHas1036Digits) {
  EXPECT_EQ(EncodeStoredText(std::u16string(259, u'x')).size(), 1036u);
}

TEST(StoredTextCodecTest, EveryUnitButZeroRoundTrips) {
  std::u16string all;
  for (std::uint32_t u = 1; u <= 0xFFFF; ++u) all.push_back(static_cast<char16_t>(u));
  EXPECT_EQ(DecodeStoredText(EncodeStoredText(all)), all);
}

TEST(StoredTextCodecTest, RandomTextsWithoutNulRoundTrip) {
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> unit(1, 0xFFFF);
  std::uniform_int_distribution<int> length(0, 300);
  for (int i = 0; i < 200; ++i) {
    std::u16string text(static_cast<std::size_t>(length(rng)), u' ');
    for (char16_t& c : text) c = static_cast<char16_t>(unit(rng));
    ASSERT_EQ(DecodeStoredText(EncodeStoredText(text)), text);
  }
}

TEST(StoredTextCodecTest, NulUnitsAreLostOnTheWayBack) {
  const std::u16string withNul{u'A', u'\0', u'B'};
  EXPECT_EQ(DecodeStoredText(EncodeStoredText(withNul)), u"AB");
}

}  // namespace
}  // namespace hexcribe
