// Streaming conversion: the same bytes as BuildCommand for any cut of the input, lines, counts, BMP checks.
#include "cli/text_converter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/command_builder.h"

namespace hexcribe::cli {
namespace {

constexpr std::string_view kMixedUtf8 = "A \xED\x95\x9C\xEA\xB5\xAD\xEC\x9D\xB8 \xF0\x9F\x98\x80\r\nline 2\n";
constexpr std::u16string_view kMixedUtf16 = u"A \uD55C\uAD6D\uC778 \U0001F600\r\nline 2\n";

struct Result {
  ConvertStatus status;
  std::string out;
  std::vector<NonBmpCharacter> nonBmp;
};

Result Convert(const ConvertOptions& options, std::string_view input, std::size_t piece = 1 << 20) {
  StringSink sink;
  Result result{};
  TextConverter converter(options, sink, [&](const NonBmpCharacter& c) { result.nonBmp.push_back(c); });
  MemorySource source(input, piece);
  result.status = converter.Convert(source);
  converter.Flush();
  result.out = sink.data;
  return result;
}

TEST(TextConverter, WholeInputGivesExactlyBuildCommandForEverySeparatorFormAndCut) {
  for (const SeparatorInfo& info : kSeparators) {
    const Separator separator = info.separator;
    for (const bool whole : {true, false}) {
      const std::string expected = BuildCommand(kMixedUtf16, separator, whole) + "\n";
      for (const std::size_t piece : {1, 2, 3, 5, 8, 1 << 20}) {
        ConvertOptions options;
        options.separator = separator;
        options.wholeCommand = whole;
        const Result r = Convert(options, kMixedUtf8, piece);
        EXPECT_EQ(r.status, ConvertStatus::kOk);
        EXPECT_EQ(r.out, expected) << "separator " << info.cliName << " whole " << whole << " piece " << piece;
      }
    }
  }
}

TEST(TextConverter, LargeInputStreamsToTheSameBytesAsOneCall) {
  // Several read pieces and several output blocks.
  std::string utf8;
  std::u16string utf16;
  for (int i = 0; i < 40000; ++i) {
    utf8 += kMixedUtf8;
    utf16 += kMixedUtf16;
  }
  ConvertOptions options;
  EXPECT_EQ(Convert(options, utf8).out, BuildCommand(utf16, Separator::kSpace, true) + "\n");
}

TEST(TextConverter, EmptyInputIsOneEmptyCommandButNoLines) {
  EXPECT_EQ(Convert({}, "").out, "Print 'U::';\n");
  ConvertOptions lines;
  lines.lines = true;
  EXPECT_EQ(Convert(lines, "").out, "");
}

TEST(TextConverter, LinesSplitAtLfAndDropTheCrOfCrLfWhereverThePiecesAreCut) {
  struct Case {
    std::string_view input;
    std::vector<std::u16string_view> lines;
  };
  const Case cases[] = {
      {"a\nb\n", {u"a", u"b"}},
      {"a\r\nb\r\n", {u"a", u"b"}},
      {"a\r\nb", {u"a", u"b"}},
      {"a\n\n\r\nb", {u"a", u"", u"", u"b"}},
      {"a\rb\r\n", {u"a\rb"}},         // a lone CR stays in the line
      {"a\r\r\n", {u"a\r"}},           // only the CR right before the LF goes
      {"a\r", {u"a\r"}},               // no LF follows: the CR is text
      {"\r", {u"\r"}},
      {"\xED\x95\x9C\r\n\xF0\x9F\x98\x80", {u"\uD55C", u"\U0001F600"}},
  };
  for (const Case& c : cases) {
    std::string expected;
    for (const auto line : c.lines) expected += BuildCommand(line, Separator::kSpace, true) + "\n";
    for (const std::size_t piece : {1, 2, 3, 1 << 20}) {
      ConvertOptions options;
      options.lines = true;
      EXPECT_EQ(Convert(options, c.input, piece).out, expected) << c.input << " piece " << piece;
    }
  }
}

TEST(TextConverter, CountFollowsEachCommandAfterATab) {
  ConvertOptions options;
  options.lines = true;
  options.count = true;
  options.wholeCommand = false;
  options.separator = Separator::kNone;
  EXPECT_EQ(Convert(options, "A\n\n\xF0\x9F\x98\x80\n").out, "4100\t2\n\t0\n3DD800DE\t4\n");
}

TEST(TextConverter, BmpCheckNamesLineAndCharacterColumnAndStillConverts) {
  ConvertOptions options;
  options.bmpOnly = true;
  for (const std::size_t piece : {1, 1 << 20}) {
    const Result r = Convert(options, "\xF0\x9F\x98\x80" "a\xED\x95\x9C\xF0\x9F\x98\x81\nxy\xF4\x8F\xBF\xBF", piece);
    EXPECT_EQ(r.status, ConvertStatus::kOk);
    ASSERT_EQ(r.nonBmp.size(), 3u);
    EXPECT_EQ(r.nonBmp[0].line, 1u);
    EXPECT_EQ(r.nonBmp[0].column, 1u);
    EXPECT_EQ(r.nonBmp[0].codePoint, U'\U0001F600');
    EXPECT_EQ(r.nonBmp[1].column, 4u);  // counted in characters, not bytes or units
    EXPECT_EQ(r.nonBmp[2].line, 2u);
    EXPECT_EQ(r.nonBmp[2].column, 3u);
    EXPECT_EQ(r.nonBmp[2].codePoint, U'\U0010FFFF');
    EXPECT_EQ(r.out, BuildCommand(u"\U0001F600a\uD55C\U0001F601\nxy\U0010FFFF", Separator::kSpace, true) + "\n");
  }
}

TEST(TextConverter, InvalidUtf8DropsTheUnfinishedCommandButKeepsEarlierLines) {
  ConvertOptions options;
  options.lines = true;
  const Result r = Convert(options, "ok\nbad \xC3\x28 line\nnext\n", 4);
  EXPECT_EQ(r.status, ConvertStatus::kInvalidUtf8);
  EXPECT_EQ(r.out, "Print 'U::6F 00 6B 00';\n");
  EXPECT_EQ(Convert({}, "abc\xFF").out, "");
}

}  // namespace
}  // namespace hexcribe::cli
