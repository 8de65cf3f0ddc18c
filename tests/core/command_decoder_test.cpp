// Decoding commands and bare numbers back to text: round trips, and every malformed line with its position.
#include "core/command_decoder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>

#include "core/command_builder.h"
#include "core/utf8_text.h"

namespace hexcribe {
namespace {

struct Result {
  bool ok;
  std::string out;
  DecodeError error;
};

Result Decode(std::string_view input, std::size_t piece = 1 << 20) {
  StringSink sink;
  CommandDecoder decoder(sink);
  bool ok = true;
  for (std::size_t at = 0; ok && at < input.size(); at += piece) ok = decoder.Feed(input.substr(at, piece));
  if (ok) ok = decoder.Finish();
  decoder.Flush();
  return {ok, sink.data, decoder.error()};
}

TEST(CommandDecoder, ReversesBuildCommandForEverySeparatorAndForm) {
  const std::u16string texts[] = {u"A", u"\uD55C\uAD6D\uC778", u"\U0001F600 emoji", u"two\r\nlines", u""};
  for (const SeparatorInfo& separator : kSeparators) {
    for (const bool whole : {true, false}) {
      for (const auto& text : texts) {
        // Bare numbers of an empty text are an empty line, which decodes to an empty text too.
        const std::string command = BuildCommand(text, separator.separator, whole);
        for (const std::size_t piece : {1, 3, 1 << 20}) {
          const Result r = Decode(command + "\n", piece);
          ASSERT_TRUE(r.ok) << command << ": " << r.error.reason;
          EXPECT_EQ(r.out, EncodeUtf8KeepingLoneSurrogates(text) + "\n") << command;
        }
      }
    }
  }
}

TEST(CommandDecoder, AcceptsLowerCaseBlanksAroundCrLfAndAMissingFinalLf) {
  EXPECT_EQ(Decode("  Print 'U::5c d5';  \r\n\t41-00\r\n\n4100").out, "\xED\x95\x9C\nA\n\nA\n");
  EXPECT_EQ(Decode("41 00 \n").out, "A\n");  // trailing space after space-separated numbers
  EXPECT_EQ(Decode("\xEF\xBB\xBF" "41 00\n").out, "A\n");  // byte-order mark
  // What --count writes: a tab and the byte count, ignored.
  EXPECT_EQ(Decode("Print 'U::41 00';\t2\r\n41,00\t2\n4100 \t2 \nPrint 'U::';\t0\n").out, "A\nA\nA\n\n");
}

TEST(CommandDecoder, AnArgumentIsOneLineAndKeepsAByteOrderMark) {
  for (const auto& [input, ok, out] : std::initializer_list<std::tuple<std::string_view, bool, std::string_view>>{
           {"", true, "\n"}, {"41 00", true, "A\n"}, {"\xEF\xBB\xBF" "41 00", false, ""}}) {
    StringSink sink;
    CommandDecoder decoder(sink, CommandDecoder::Input::kArgument);
    EXPECT_EQ(decoder.Feed(input) && decoder.Finish(), ok) << input;
    decoder.Flush();
    EXPECT_EQ(sink.data, out) << input;
  }
}

TEST(CommandDecoder, ReportsMalformedLinesWithLineAndColumn) {
  struct Case {
    std::string_view input;
    std::uint64_t line;
    std::uint64_t column;
    std::string_view reason;
  };
  const Case cases[] = {
      {"41 00 42\n", 1, 7, "odd number of bytes (3)"},
      {"41 00\nPrint 'U::41';\n", 2, 11, "odd number of bytes (1)"},
      {"41 0G\n", 1, 5, "expected a second hex digit, found 'G'"},
      {"41 00 4\n", 1, 8, "expected a second hex digit, found the end of the line"},
      {"41 00 zz\n", 1, 7, "expected two hex digits after a space, found 'z'"},
      {"41  00\n", 1, 4, "expected two hex digits after a space, found a space"},
      {"Print 'U::41 00';\tx\n", 1, 19, "unexpected 'x' after the command"},
      {"41 00\t2x\n", 1, 8, "unexpected 'x' in the byte count"},
      {"41,00,\n", 1, 7, "expected two hex digits after ','"},
      {"41 004\n", 1, 6, "more than two hex digits"},
      {"41 00,42 00\n", 1, 6, "mixed separators: ','"},
      {"41004200 42\n", 1, 10, "unexpected '4' after the numbers"},
      {"Print 'U::41 00':\n", 1, 17, "broken wrapper: expected \"';\" to close the command, found ':'"},
      {"Print 'U::41 00\n", 1, 16, "not closed"},
      {"Print U::41 00';\n", 1, 7, "broken wrapper: expected \"Print 'U::\", found 'U'"},
      {"Prin\n", 1, 5, "line ends inside"},
      {"Print 'U::41 00'; x\n", 1, 19, "after the command"},
      {"Print 'U::41 00 ';\n", 1, 17, "expected two hex digits after a space, found \"'\""},
      {"hello\n", 1, 1, "expected hex numbers or \"Print 'U::\""},
      {"41 \xC3\xA9\n", 1, 4, "unexpected byte 0xC3 (commands are ASCII)"},
      {"41 00\n3D D8 41 00\n", 2, 1, "lone surrogate U+D83D"},
      {"41 00 3D D8\n", 1, 7, "lone surrogate U+D83D"},
      {"00 DE\n", 1, 1, "lone surrogate U+DE00"},
  };
  for (const Case& c : cases) {
    for (const std::size_t piece : {1, 1 << 20}) {
      const Result r = Decode(c.input, piece);
      ASSERT_FALSE(r.ok) << c.input;
      EXPECT_EQ(r.error.line, c.line) << c.input;
      EXPECT_EQ(r.error.column, c.column) << c.input;
      EXPECT_NE(r.error.reason.find(c.reason), std::string::npos) << c.input << " -> " << r.error.reason;
    }
  }
}

TEST(CommandDecoder, KeepsTheLinesBeforeAnErrorAndNothingOfTheBadLine) {
  const Result r = Decode("41 00\n42 00 43\n44 00\n");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.out, "A\n");
}

}  // namespace
}  // namespace hexcribe
