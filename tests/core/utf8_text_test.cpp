// UTF-8 <-> UTF-16 conversions, with replaced or escaped invalid bytes.
#include "core/utf8_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace hexcribe {
namespace {

TEST(Utf8Text, DecodesAndReplacesInvalidSequences) {
  struct Case {
    std::string bytes;
    std::u16string replaced;
  };
  const std::vector<Case> cases = {
      {"abc", u"abc"},
      {"\xED\x95\x9C", u"\uD55C"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xEF\xBF\xBF", u"\uFFFF"},
      {"\xC0\xAF", u"\uFFFD"},          // overlong
      {"\xED\xA0\x80", u"\uFFFD"},     // encoded surrogate
      {"\xE2\x82" "A", u"\uFFFDA"},     // cut short
      {"\xF4\x90\x80\x80", u"\uFFFD"},  // above U+10FFFF
      {"\x80\x80z", u"\uFFFDz"},        // stray continuation bytes
      {"0123456789\xC3(abcdefgh\xF0\x9F\x98", u"0123456789\uFFFD(abcdefgh\uFFFD"},  // after ASCII runs
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeUtf8(c.bytes, InvalidUtf8::Replace), c.replaced) << c.bytes;
  }
}

TEST(Utf8Text, EscapedFileNamesSurviveTheRoundTrip) {
  const std::vector<std::string> names = {"/home/u/.config", "/tmp/\xFF\xFE", "/x/\xC3\xA9\xC3", "\xED\xA0\x80"};
  for (const auto& name : names) {
    EXPECT_EQ(EncodeUtf8(DecodeUtf8(name, InvalidUtf8::Escape), InvalidUtf8::Escape), name);
  }
  EXPECT_EQ(EncodeUtf8(u"a\xD800" u"b", InvalidUtf8::Replace), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(EncodeUtf8(u"\U0001F600", InvalidUtf8::Replace), "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace hexcribe
