// Console output: the same characters wherever the output is cut, and U+FFFD for what is no UTF-8.
#include "cli/console_sink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hexcribe::cli {
namespace {

// What a console receives when bytes arrive in pieces of `piece` bytes.
std::u16string Shown(std::string_view bytes, std::size_t piece, bool failWrites = false) {
  std::u16string shown;
  ConsoleTextSink sink([&](std::u16string_view units) {
    shown.append(units);
    return !failWrites;
  });
  for (std::size_t at = 0; at < bytes.size(); at += piece) sink.Write(bytes.substr(at, piece));
  EXPECT_EQ(sink.Close(), !failWrites || bytes.empty());
  return shown;
}

TEST(ConsoleTextSink, ShowsTheSameCharactersWhereverTheOutputIsCut) {
  const std::string hangulAndEmoji = "\xED\x95\x9C\xEA\xB5\xAD\xEC\x9D\xB8 \xF0\x9F\x98\x80\r\n";
  const std::u16string expected = u"\uD55C\uAD6D\uC778 \U0001F600\r\n";
  for (std::size_t piece = 1; piece <= hangulAndEmoji.size(); ++piece) {
    EXPECT_EQ(Shown(hangulAndEmoji, piece), expected) << "piece " << piece;
  }
}

TEST(ConsoleTextSink, ReplacesEachByteThatIsNoUtf8) {
  struct Case {
    const char* name;
    std::string bytes;
    std::u16string shown;
  };
  const std::vector<Case> cases = {
      {"stray continuation", "a\x80z", u"a\uFFFDz"},
      {"lead cut by ASCII", "\xE2\x82z", u"\uFFFD\uFFFDz"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"cut at the end", "ok\xF0\x9F\x98", u"ok\uFFFD\uFFFD\uFFFD"},
      // The tool writes a lone surrogate of decoded text in this form.
      {"lone surrogate", "\xED\xA0\x80!", std::u16string(1, char16_t{0xD800}) + u"!"},
  };
  for (const Case& c : cases) {
    for (std::size_t piece : {std::size_t{1}, c.bytes.size()}) {
      EXPECT_EQ(Shown(c.bytes, piece), c.shown) << c.name << ", piece " << piece;
    }
  }
}

TEST(ConsoleTextSink, AFailedConsoleWriteIsReported) { Shown("text", 4, true); }

}  // namespace
}  // namespace hexcribe::cli
