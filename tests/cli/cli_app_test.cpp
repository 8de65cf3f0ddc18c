// The tool's options, exit statuses and messages, run in memory.
#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "cli/cli_options.h"

namespace hexcribe::cli {
namespace {

class FailingSink final : public ByteSink {
 public:
  bool Write(std::string_view) override { return false; }
  std::string ErrorText() const override { return "No space left on device"; }
};

// Gives its text, then fails like a disk that went away.
class BrokenSource final : public ByteSource {
 public:
  // Owns its text: callers pass temporaries (path.substr).
  explicit BrokenSource(std::string_view text) : storage_(text), text_(storage_) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    if (text_.empty()) {
      failed_ = true;
      return 0;
    }
    const std::size_t n = std::min(size, text_.size());
    text_.copy(buffer, n);
    text_.remove_prefix(n);
    return n;
  }
  bool Failed() const override { return failed_; }
  std::string ErrorText() const override { return "Input/output error"; }

 private:
  std::string storage_;
  std::string_view text_;
  bool failed_ = false;
};

struct RunResult {
  int status;
  std::string out;
  std::string err;
};

RunResult RunWith(const std::vector<std::string>& args, std::string_view stdinText = "",
            const std::map<std::string, std::string>& files = {}, ByteSink* out = nullptr) {
  MemorySource in(stdinText);
  StringSink stdoutSink;
  StringSink err;
  CliEnvironment env{in, out != nullptr ? *out : stdoutSink, err,
                     [&files](const std::string& path, std::string& error) -> std::unique_ptr<ByteSource> {
                       if (path.starts_with("broken:")) return std::make_unique<BrokenSource>(path.substr(7));
                       const auto it = files.find(path);
                       if (it == files.end()) {
                         error = "No such file or directory";
                         return nullptr;
                       }
                       return std::make_unique<MemorySource>(it->second);
                     },
                     "v1.00"};
  const int status = RunCli(args, env);
  return {status, stdoutSink.data, err.data};
}

TEST(ParseArguments, ReadsOptionsAndInputsInOrder) {
  const ParseResult r = ParseArguments({"--separator", "hyphen", "--numbers-only", "--lines", "--count", "--bmp-only",
                                        "abc", "-f", "a.txt", "--file=b.txt", "-", "--", "--lines", "-"});
  ASSERT_TRUE(r.ok) << r.error;
  const CliOptions& o = r.options;
  EXPECT_EQ(o.mode, Mode::kConvert);
  EXPECT_EQ(o.convert.separator, Separator::kHyphen);
  EXPECT_FALSE(o.convert.wholeCommand);
  EXPECT_TRUE(o.convert.lines && o.convert.count && o.convert.bmpOnly);
  using K = InputSpec::Kind;
  const std::vector<std::pair<K, std::string>> expected = {
      {K::kText, "abc"}, {K::kFile, "a.txt"}, {K::kFile, "b.txt"}, {K::kStdin, ""}, {K::kText, "--lines"}, {K::kText, "-"}};
  ASSERT_EQ(o.inputs.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(o.inputs[i].kind, expected[i].first) << i;
    EXPECT_EQ(o.inputs[i].value, expected[i].second) << i;
  }
  EXPECT_EQ(o.inputs[0].argument, 7u);
  EXPECT_EQ(o.inputs[1].argument, 9u);
}

TEST(ParseArguments, DefaultsAreTheDialogsAndStandardInput) {
  const ParseResult r = ParseArguments({});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.options.convert.separator, Separator::kSpace);
  EXPECT_TRUE(r.options.convert.wholeCommand);
  ASSERT_EQ(r.options.inputs.size(), 1u);
  EXPECT_EQ(r.options.inputs[0].kind, InputSpec::Kind::kStdin);
  EXPECT_EQ(ParseArguments({"--separator=none"}).options.convert.separator, Separator::kNone);
  EXPECT_EQ(ParseArguments({"--separator", "comma"}).options.convert.separator, Separator::kComma);
}

TEST(ParseArguments, RejectsBadCommandLines) {
  const std::vector<std::vector<std::string>> bad = {
      {"--bogus"}, {"-x"}, {"--separator"}, {"--separator", "tab"}, {"-f"}, {"--decode", "--lines"},
      {"--decode", "--count"}, {"--numbers-only", "--decode"}, {"--check", "--decode"}, {"--check", "--font="}};
  for (const auto& args : bad) {
    const ParseResult r = ParseArguments(args);
    EXPECT_FALSE(r.ok) << args.front();
    EXPECT_FALSE(r.error.empty());
  }
}

// A BDF font of the glyphs A and é, with the given registry and glyph count, ending with `end`.
std::string Bdf(std::string_view registry, int chars, std::string_view end = "ENDFONT\n") {
  return "STARTFONT 2.1\nSTARTPROPERTIES 1\nCHARSET_REGISTRY \"" + std::string(registry) + "\"\nENDPROPERTIES\nCHARS " +
         std::to_string(chars) + "\nSTARTCHAR A\nENCODING 65\nBITMAP\n70\nENDCHAR\nSTARTCHAR eacute\nENCODING 233\n" +
         "BITMAP\nENDCHAR\n" + std::string(end);
}

TEST(RunCli, ExitStatusesAndMessages) {
  struct Case {
    std::vector<std::string> args;
    std::string stdinText;
    int status;
    std::string out;
    std::string errPart;
  };
  const std::map<std::string, std::string> files = {
      {"menu.txt", "Start\r\nStop\r\n"}, {"bad.txt", "ok\nnot \xC3\x28 ok\n"}, {"cmds.txt", "41 00\n4100 42\n"},
      {"bom.txt", "\xEF\xBB\xBF" "A"}, {"check.txt", "Cafe\xCC\x81\nA\xE2\x80\x8B\n"}, {"lcd.bdf", Bdf("iso10646", 2)},
      {"latin1.bdf", Bdf("ISO8859", 2)}, {"cut.bdf", Bdf("ISO10646", 2, "")}, {"lying.bdf", Bdf("ISO10646", 3)}};
  std::string longCommand;  // of "a" 1030 times
  for (int i = 0; i < 1030; ++i) longCommand += "6100";
  const Case cases[] = {
      {{"A"}, "", kExitOk, "Print 'U::41 00';\n", ""},
      {{}, "A", kExitOk, "Print 'U::41 00';\n", ""},
      {{"--lines", "-f", "menu.txt"}, "", kExitOk,
       "Print 'U::53 00 74 00 61 00 72 00 74 00';\nPrint 'U::53 00 74 00 6F 00 70 00';\n", ""},
      {{"--decode", "Print 'U::5C D5';", "3D-D8-00-DE"}, "", kExitOk, "\xED\x95\x9C\n\xF0\x9F\x98\x80\n", ""},
      {{"--bogus"}, "", kExitUsage, "", "hexcribe-cli: unknown option '--bogus'\nTry 'hexcribe-cli --help'"},
      {{"--separator=tab"}, "", kExitUsage, "", "unknown separator 'tab' (use space, none, comma or hyphen)\n"},
      {{"--separator"}, "", kExitUsage, "", "'--separator' needs a value: space, none, comma or hyphen\n"},
      {{"-f", "missing.txt"}, "", kExitInput, "", "hexcribe-cli: cannot open 'missing.txt': No such file"},
      {{"-f", "bad.txt"}, "", kExitInput, "",
       "hexcribe-cli: bad.txt:2: invalid UTF-8 at byte offset 7: incomplete 2-byte sequence"},
      {{"--lines", "-f", "bad.txt"}, "", kExitInput, "Print 'U::6F 00 6B 00';\n", "bad.txt:2: invalid UTF-8"},
      {{"--decode", "-f", "cmds.txt"}, "", kExitInput, "A\n", "hexcribe-cli: cmds.txt:2:6: unexpected '4'"},
      {{"--bmp-only", "a\xF0\x9F\x98\x80"}, "", kExitFound, "Print 'U::61 00 3D D8 00 DE';\n",
       "hexcribe-cli: <argument 2>:1:2: U+1F600 is outside the Basic Multilingual Plane\n"},
      {{"--bmp-only", "-"}, "\n\xF0\x9F\x98\x80", kExitFound, "Print 'U::0A 00 3D D8 00 DE';\n", "<stdin>:2:1: U+1F600"},
      {{"--version"}, "", kExitOk, "hexcribe-cli v1.00\n", ""},
      // A byte-order mark is skipped in files and standard input only; in a TEXT it is U+FEFF.
      {{"\xEF\xBB\xBF" "A"}, "", kExitOk, "Print 'U::FF FE 41 00';\n", ""},
      {{"-fbom.txt", "-"}, "\xEF\xBB\xBF" "A", kExitOk, "Print 'U::41 00';\nPrint 'U::41 00';\n", ""},
      {{"--decode", "Print 'U::FF FE 41 00';", ""}, "", kExitOk, "\xEF\xBB\xBF" "A\n\n", ""},
      {{"--decode", "41  00"}, "", kExitInput, "", "hexcribe-cli: <argument 2>:1:4: expected two hex digits"},
      // A read error keeps the complete lines before it and nothing of the broken one.
      {{"--lines", "-f", "broken:ok\npart"}, "", kExitInput, "Print 'U::6F 00 6B 00';\n",
       "hexcribe-cli: cannot read 'broken:ok\npart': Input/output error\n"},
      {{"-f", "broken:whole"}, "", kExitInput, "", "cannot read"},
      {{"--decode", "-f", "broken:41 00\n42 0"}, "", kExitInput, "A\n", "cannot read"},
      // --check: findings as INPUT:LINE:COLUMN, exit 3, the commands still written.
      {{"--check", "--lines", "--numbers-only", "-f", "check.txt"}, "", kExitFound,
       "43 00 61 00 66 00 65 00 01 03\n41 00 0B 20\n",
       "check.txt:1:5: U+0301 COMBINING ACUTE ACCENT: decomposed (NFC: U+00E9)\n"
       "check.txt:2:2: U+200B ZERO WIDTH SPACE: invisible\n"},
      {{"--check", "--nfc", "e\xCC\x81\xF0\x9F\x98\x80"}, "", kExitFound, "Print 'U::E9 00 3D D8 00 DE';\n",
       "<argument 3>:1:2: U+1F600 GRINNING FACE: outside the BMP\n"},
      {{"--check", "--font", "lcd.bdf", "A\xC3\xA9\tb"}, "", kExitFound, "Print 'U::41 00 E9 00 09 00 62 00';\n",
       "<argument 4>:1:4: U+0062 LATIN SMALL LETTER B: no glyph in lcd.bdf\n"},
      {{"--check", "--numbers-only", "--separator", "none", std::string(1030, 'a')}, "", kExitFound, longCommand + "\n",
       "<argument 5>:1: command cut after unit 1023 (1030 units)\n"},
      {{"--check", "--font", "latin1.bdf", "A"}, "", kExitInput, "", "latin1.bdf: its CHARSET_REGISTRY is \"ISO8859\""},
      {{"--check", "--font", "cut.bdf", "A"}, "", kExitInput, "", "cut.bdf: line 14: the font is cut short"},
      {{"--check", "--font", "lying.bdf", "A"}, "", kExitInput, "", "lying.bdf: line 15: CHARS says 3 glyphs"},
      {{"--check", "--font", "menu.txt", "A"}, "", kExitInput, "", "menu.txt: not a font file this program reads: "
                                                                   "expected a TrueType or OpenType font"},
      {{"--font", "lcd.bdf", "A"}, "", kExitUsage, "", "option '--font' needs '--check'"},
  };
  for (const Case& c : cases) {
    const RunResult r = RunWith(c.args, c.stdinText, files);
    EXPECT_EQ(r.status, c.status) << c.args.front() << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.args.front();
    if (c.errPart.empty()) EXPECT_EQ(r.err, "") << c.args.front();
    else EXPECT_NE(r.err.find(c.errPart), std::string::npos) << c.args.front() << ": " << r.err;
  }
}

TEST(RunCli, HelpDocumentsEveryExitStatus) {
  const RunResult r = RunWith({"--lines", "--help"});
  EXPECT_EQ(r.status, kExitOk);
  for (const char* part : {"--separator SEP   between the numbers: space (default), none, comma, hyphen\n", "--decode", "--bmp-only", "--count", "  1  usage", "  2  input", "  3  --bmp-only",
                           "  4  the output", "[TEXT | -f FILE]...", "code points", "UTF-16 bytes", "--check", "--font FILE", "--nfc",
                           "written as it is made"}) {
    EXPECT_NE(r.out.find(part), std::string::npos) << part;
  }
}

TEST(RunCli, AnOutputThatCannotBeWrittenIsAFailure) {
  FailingSink failing;
  const RunResult r = RunWith({"A"}, "", {}, &failing);
  EXPECT_EQ(r.status, kExitOutput);
  EXPECT_EQ(r.err, "hexcribe-cli: cannot write the output: No space left on device\n");
  EXPECT_EQ(RunWith({"--decode", "41 00"}, "", {}, &failing).status, kExitOutput);
  EXPECT_EQ(RunWith({"--help"}, "", {}, &failing).status, kExitOutput);
}

#ifdef HEXCRIBE_PACKAGING_DIR
std::string ReadPackagingFile(const std::string& name) {
  std::ifstream in(std::string(HEXCRIBE_PACKAGING_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SeparatorNames, CompletionAndManualPageListExactlyTheTable) {
  std::string words;  // compgen -W 'space none ...'
  std::string manual = ".BR";  // .BR space " (the default), " none ", " ... " or " hyphen .
  for (std::size_t i = 0; i < kSeparatorCount; ++i) {
    const std::string name(kSeparators[i].cliName);
    words += (i == 0 ? "" : " ") + name;
    const bool last = i + 1 == kSeparatorCount;
    manual += " " + name + (last ? " ." : i == 0 ? R"( " (the default), ")" : i + 2 == kSeparatorCount ? R"( " or ")" : R"( ", ")");
  }
  EXPECT_NE(ReadPackagingFile("linux/hexcribe-cli.bash-completion").find("compgen -W '" + words + "'"),
            std::string::npos) << words;
  EXPECT_NE(ReadPackagingFile("man/hexcribe-cli.1.in").find(manual + "\n"), std::string::npos) << manual;
}
#endif

}  // namespace
}  // namespace hexcribe::cli
