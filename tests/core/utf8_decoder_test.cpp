// Strict streaming UTF-8 decoding: every cut between pieces, and every kind of invalid input with its position.
#include "core/utf8_text.h"

#include <gtest/gtest.h>

#include <string>

namespace hexcribe {
namespace {

// Decodes bytes fed in pieces of `piece` bytes; false on an error.
bool DecodeInPieces(std::string_view bytes, std::size_t piece, std::u16string& out, Utf8Decoder& decoder) {
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    if (!decoder.Decode(bytes.substr(at, piece), out)) return false;
  }
  return decoder.Finish();
}

TEST(Utf8Decoder, DecodesTheSameWhereverThePiecesAreCut) {
  // ASCII runs longer than eight bytes, 2-, 3- and 4-byte characters, CR LF, NUL.
  const std::string text = "Hello, world!\r\n\xED\x95\x9C\xEA\xB5\xAD caf\xC3\xA9 \xF0\x9F\x98\x80" +
                           std::string(1, '\0') + "\xEF\xBF\xBF\xF4\x8F\xBF\xBF end of line";
  const std::u16string expected = u"Hello, world!\r\n\uD55C\uAD6D caf\u00E9 \U0001F600" + std::u16string(1, u'\0') +
                                  u"\uFFFF\U0010FFFF end of line";
  for (std::size_t piece = 1; piece <= text.size(); ++piece) {
    Utf8Decoder decoder;
    std::u16string out;
    ASSERT_TRUE(DecodeInPieces(text, piece, out, decoder)) << "piece " << piece;
    EXPECT_EQ(out, expected) << "piece " << piece;
  }
}

TEST(Utf8Decoder, DropsAByteOrderMarkOnlyAtTheStart) {
  for (std::size_t piece = 1; piece <= 4; ++piece) {
    Utf8Decoder decoder;
    std::u16string out;
    ASSERT_TRUE(DecodeInPieces("\xEF\xBB\xBF" "A\xEF\xBB\xBF", piece, out, decoder));
    EXPECT_EQ(out, u"A\uFEFF") << "piece " << piece;
  }
}

TEST(Utf8Decoder, ReportsEveryKindOfInvalidSequenceWithItsPosition) {
  struct Case {
    std::string bytes;
    std::uint64_t offset;
    std::uint64_t line;
    std::string reason;  // a part of the message
  };
  const Case cases[] = {
      {"ab\x80", 2, 1, "unexpected continuation byte 0x80"},
      {"a\nb\n\xC0\xAF", 4, 3, "overlong"},
      {"\xE0\x80\xAF", 0, 1, "overlong"},
      {"\xF0\x8F\xBF\xBF", 0, 1, "overlong"},
      {"x\xED\xA0\x80", 1, 1, "surrogate"},
      {"\xF4\x90\x80\x80", 0, 1, "above U+10FFFF"},
      {"\xF5\x80\x80\x80", 0, 1, "above U+10FFFF"},
      {"\n\n\xFF", 2, 3, "0xFF never occurs"},
      {"\xE4\x41\x42", 0, 1, "incomplete 3-byte sequence"},
      {"\xF0\x9F\x98 ", 0, 1, "incomplete 4-byte sequence"},
      {"abc\n\xE4\xB8", 4, 2, "at the end of the input"},
  };
  for (const Case& c : cases) {
    for (const std::size_t piece : {std::size_t{1}, std::size_t{2}, c.bytes.size()}) {
      Utf8Decoder decoder;
      std::u16string out;
      ASSERT_FALSE(DecodeInPieces(c.bytes, piece, out, decoder)) << c.bytes;
      EXPECT_EQ(decoder.error().offset, c.offset) << c.bytes;
      EXPECT_EQ(decoder.error().line, c.line) << c.bytes;
      EXPECT_NE(decoder.error().reason.find(c.reason), std::string::npos) << decoder.error().reason;
      // Stays failed: nothing after the error is decoded.
      EXPECT_FALSE(decoder.Decode("more", out));
    }
  }
}

TEST(Utf8Decoder, OffsetsCountFromTheStartOfTheWholeInput) {
  Utf8Decoder decoder;
  std::u16string out;
  ASSERT_TRUE(decoder.Decode(std::string(1000, 'a') + "\n", out));
  ASSERT_FALSE(decoder.Decode("bb\xC3(", out));
  EXPECT_EQ(decoder.error().offset, 1003u);
  EXPECT_EQ(decoder.error().line, 2u);
  EXPECT_EQ(out, std::u16string(1000, u'a') + u"\nbb");
}

TEST(EncodeUtf8KeepingLoneSurrogates, EncodesPairsAndKeepsLoneSurrogatesDetectable) {
  EXPECT_EQ(EncodeUtf8KeepingLoneSurrogates(u"A\uD55C\U0001F600"), "A\xED\x95\x9C\xF0\x9F\x98\x80");
  const std::string lone = EncodeUtf8KeepingLoneSurrogates(std::u16string(1, char16_t{0xD83D}) + u"x");
  Utf8Decoder decoder;
  std::u16string out;
  EXPECT_FALSE(decoder.Decode(lone, out));
  EXPECT_NE(decoder.error().reason.find("surrogate"), std::string::npos);
}

}  // namespace
}  // namespace hexcribe
