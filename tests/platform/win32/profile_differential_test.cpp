// The portable profile engine (used on Linux) and the real Windows profile functions, side by side
// on the same files. Each case states what Windows gives; where Wine is known to differ, it states
// Wine's result too, and where the portable engine deliberately differs, its own.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "core/profile_file.h"
#include "win32_test_files.h"

namespace hexcribe {
namespace {

using testing::ReadBytes;
using testing::RunningUnderWine;
using testing::TempFolder;
using testing::Utf16LeBytes;
using testing::WriteBytes;

template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

const std::string kUtf16Bom = "\xFF\xFE";

struct ReadCase {
  const char* name;
  std::string file;
  std::u16string section;
  std::u16string key;
  std::u16string def;
  std::size_t capacity;
  std::u16string windows;                 // what Windows gives
  std::optional<std::u16string> wine;     // Wine 8 where it differs from Windows
  std::optional<std::u16string> engine;   // the portable engine where it deliberately differs
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

std::vector<ReadCase> ReadCases() {
  const std::string spaced = "  [ Sec ]  \r\n \t Key \t = \t v  v \t \r\n";
  return {
      {"present value", "[s]\r\nk=v\r\n", u"s", u"k", u"dflt", 64, u"v", {}, {}},
      {"missing section", "[s]\r\nk=v\r\n", u"x", u"k", u"dflt", 64, u"dflt", {}, {}},
      {"missing key", "[s]\r\nk=v\r\n", u"s", u"zz", u"dflt", 64, u"dflt", {}, {}},
      {"present empty value beats the default", "[s]\r\ne=\r\n", u"s", u"e", u"dflt", 64, u"", {}, {}},
      {"line without = is no key", "[s]\r\nbare\r\n", u"s", u"bare", u"dflt", 64, u"dflt", {}, {}},
      {"default loses trailing spaces", "[s]\r\n", u"s", u"k", u"dflt   ", 64, u"dflt", {}, {}},
      {"default keeps leading spaces", "[s]\r\n", u"s", u"k", u"  dflt", 64, u"  dflt", {}, {}},
      {"lines and names trimmed, any case", spaced, u"sec", u"key", u"dflt", 64, u"v  v", {}, {}},
      {"parameters lose spaces", spaced, u" sec ", u" KEY ", u"dflt", 64, u"v  v", {}, {}},
      {"parameters keep tabs", spaced, u"\tsec", u"key", u"dflt", 64, u"dflt", u"v  v", {}},
      {"first duplicate key wins", "[s]\r\nk=first\r\nk=second\r\n", u"s", u"k", u"d", 64, u"first", {}, {}},
      {"only the first matching section", "[s]\r\n[t]\r\n[S]\r\nonly2=x\r\n", u"s", u"only2", u"d", 64, u"d", {},
       {}},
      {"comment line", "[s]\r\n;k=v\r\n", u"s", u"k", u"d", 64, u"d", {}, {}},
      {"a comment is no key named ;k", "[s]\r\n;k=v\r\n", u"s", u";k", u"d", 64, u"d", u"v", {}},
      {"no inline comments", "[s]\r\nk2=a ;x\r\n", u"s", u"k2", u"d", 64, u"a ;x", {}, {}},
      {"# starts no comment", "[s]\r\n#h=z\r\n", u"s", u"#h", u"d", 64, u"z", {}, {}},
      {"outer double quotes removed", "[s]\r\na=\"  v  \"\r\n", u"s", u"a", u"d", 64, u"  v  ", {}, {}},
      {"outer single quotes removed", "[s]\r\nb='v'\r\n", u"s", u"b", u"d", 64, u"v", {}, {}},
      {"unmatched quotes stay", "[s]\r\nc=\"v'\r\n", u"s", u"c", u"d", 64, u"\"v'", {}, {}},
      {"one pair of quotes only", "[s]\r\ng=\"\"q\"\"\r\n", u"s", u"g", u"d", 64, u"\"q\"", {}, {}},
      {"a lone quote stays", "[s]\r\ne=\"\r\n", u"s", u"e", u"d", 64, u"\"", {}, {}},
      {"capacity cuts to n-1", "[s]\r\nk=abcdef\r\n", u"s", u"k", u"d", 4, u"abc", {}, {}},
      {"capacity just enough", "[s]\r\nk=abcdef\r\n", u"s", u"k", u"d", 7, u"abcdef", {}, {}},
      {"capacity 1", "[s]\r\nk=abcdef\r\n", u"s", u"k", u"d", 1, u"", {}, {}},
      {"quoted value at the capacity", "[s]\r\nq=\"abcdef\"\r\n", u"s", u"q", u"d", 7, u"abcdef", u"abcde", {}},
      {"default cut like a value", "[s]\r\n", u"s", u"zz", u"defaultvalue", 5, u"defa", {}, {}},
      {"missing ] tolerated", "[a\r\nk1=v1\r\n", u"a", u"k1", u"d", 64, u"v1", u"d", {}},
      {"section name ends at the first ]", "[c]d]\r\nk3=v3\r\n", u"c", u"k3", u"d", 64, u"v3", u"d", {}},
      {"text after ] ignored", "[b]junk\r\nk2=v2\r\n", u"b", u"k2", u"d", 64, u"v2", {}, {}},
      {"no key on a header line", "[s]k=v\r\n", u"s", u"k", u"d", 64, u"d", {}, {}},
      {"lines before any section unreachable", "k0=v0\r\n[]\r\nk4=v4\r\n", u"", u"k0", u"d", 64, u"d", u"v0", {}},
      {"[] is the empty-named section", "k0=v0\r\n[]\r\nk4=v4\r\n", u"", u"k4", u"d", 64, u"v4", u"d", {}},
      {"LF line ends", "[s]\nk=lf\n[t]\rk=cr\r", u"s", u"k", u"d", 64, u"lf", {}, {}},
      {"CR line ends", "[s]\nk=lf\n[t]\rk=cr\r", u"t", u"k", u"d", 64, u"cr", {}, {}},
      {"UTF-16LE file", kUtf16Bom + Utf16LeBytes(u"[s]\r\nk=\uD55C\uAD6D\r\n"), u"s", u"k", u"d", 64,
       u"\uD55C\uAD6D", {}, {}},
      // Windows does not know the UTF-8 byte-order mark and garbles the first
      // line; the portable engine skips it, as Wine does.
      {"UTF-8 byte-order mark", "\xEF\xBB\xBF[s]\r\nk=v\r\n", u"s", u"k", u"d", 64, u"d", u"v", u"v"},
      {"a value longer than a first read holds", "[s]\r\nk=" + std::string(5000, 'x') + "\r\n", u"s", u"k", u"d",
       131069, std::u16string(5000, u'x'), {}, {}},
  };
}

class ProfileReadSideBySide : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadSideBySide, EngineMatchesWindowsAndTheKernelMatchesItsKnownBehaviour) {
  const ReadCase& c = GetParam();
  TempFolder temp;
  const std::u16string path = temp / u"case.ini";
  ASSERT_TRUE(WriteBytes(path, c.file));

  const std::u16string engine = ReadProfileEntry(c.file, c.section, c.key, c.def, c.capacity);
  EXPECT_EQ(engine, c.engine.value_or(c.windows)) << "portable engine";

  const std::u16string kernel = platform::GetProfileString(c.section, c.key, c.def, c.capacity, path);
  const std::u16string expected = RunningUnderWine() ? c.wine.value_or(c.windows) : c.windows;
  EXPECT_EQ(kernel, expected) << "profile functions";
}

struct Write {
  std::u16string section;
  std::u16string key;
  std::u16string value;
};

struct WriteCase {
  const char* name;
  std::optional<std::string> before;  // nullopt: no file
  std::vector<Write> writes;
  std::string windows;
  std::optional<std::string> wine;
  std::optional<std::string> engine;
};

void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.name; }

std::vector<WriteCase> WriteCases() {
  return {
      {"new file", std::nullopt, {{u"s", u"k", u"v"}}, "[s]\r\nk=v\r\n", {}, {}},
      {"new keys and sections append",
       std::nullopt,
       {{u"s", u"k", u"v"}, {u"s", u"k2", u"v2"}, {u"t", u"k", u"v"}},
       "[s]\r\nk=v\r\nk2=v2\r\n[t]\r\nk=v\r\n",
       {},
       {}},
      {"existing keys keep their place",
       "[s]\r\nb=value\r\na=value\r\n",
       {{u"s", u"z", u""}, {u"s", u"b", u""}, {u"s", u"y", u""}, {u"s", u"a", u""}},
       "[s]\r\nb=\r\na=\r\nz=\r\ny=\r\n",
       {},
       {}},
      {"new key before trailing comments",
       "[s]\r\nz=\r\n;y=\r\n",
       {{u"s", u"a", u""}},
       "[s]\r\nz=\r\na=\r\n;y=\r\n",
       "[s]\r\nz=\r\n;y=\r\na=\r\n",
       {}},
      {"blank line between sections kept",
       "[s]\r\na=1\r\n\r\n[t]\r\nb=2\r\n",
       {{u"s", u"c", u"3"}},
       "[s]\r\na=1\r\nc=3\r\n\r\n[t]\r\nb=2\r\n",
       "[s]\r\na=1\r\nc=3\r\n[t]\r\nb=2\r\n",
       {}},
      {"casing of the file kept, last line ended",
       "[s]\r\nTestKey=TestValue",
       {{u"S", u"TESTKEY", u"TestValue2"}},
       "[s]\r\nTestKey=TestValue2\r\n",
       {},
       {}},
      {"empty file gets no leading line end", "", {{u"s", u"k", u"v"}}, "[s]\r\nk=v\r\n", {}, {}},
      {"spaces trimmed from names, value verbatim",
       "",
       {{u"  s  ", u"  k  ", u"  v  "}},
       "[s]\r\nk=  v  \r\n",
       "[s  ]\r\nk  =v  \r\n",
       {}},
      {"value written verbatim, CR LF included",
       std::nullopt,
       {{u"s", u"k", u"a\r\nb=c"}},
       "[s]\r\nk=a\r\nb=c\r\n",
       {},
       {}},
      {"written into the first matching section",
       "[s]\r\na=1\r\n[t]\r\n[s]\r\nb=2\r\n",
       {{u"s", u"b", u"X"}},
       "[s]\r\na=1\r\nb=X\r\n[t]\r\n[s]\r\nb=2\r\n",
       {},
       {}},
      {"UTF-16LE file stays UTF-16LE",
       kUtf16Bom,
       {{u"s", u"k", u"\uD55C"}},
       kUtf16Bom + Utf16LeBytes(u"\r\n[s]\r\nk=\uD55C\r\n"),
       kUtf16Bom + Utf16LeBytes(u"[s]\r\nk=\uD55C\r\n"),
       {}},
  };
}

class ProfileWriteSideBySide : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteSideBySide, EngineMatchesWindowsAndTheKernelMatchesItsKnownBehaviour) {
  const WriteCase& c = GetParam();
  TempFolder temp;
  const std::u16string path = temp / u"case.ini";
  if (c.before) {
    ASSERT_TRUE(WriteBytes(path, *c.before));
  }

  std::string engine = c.before.value_or("");
  for (const Write& w : c.writes) {
    engine = WriteProfileEntry(engine, w.section, w.key, w.value);
    ASSERT_TRUE(platform::WriteProfileString(w.section, w.key, w.value, path));
  }
  EXPECT_EQ(engine, c.engine.value_or(c.windows)) << "portable engine";
  const std::string expected = RunningUnderWine() ? c.wine.value_or(c.windows) : c.windows;
  EXPECT_EQ(ReadBytes(path), expected) << "profile functions";
}

std::string CaseName(const char* text) {
  std::string name;
  bool upper = true;
  for (const char* p = text; *p != '\0'; ++p) {
    const char ch = *p;
    if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')) {
      name.push_back(upper && ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch);
      upper = false;
    } else {
      upper = true;
    }
  }
  return name;
}

std::string ReadCaseName(const ::testing::TestParamInfo<ReadCase>& param) { return CaseName(param.param.name); }
std::string WriteCaseName(const ::testing::TestParamInfo<WriteCase>& param) { return CaseName(param.param.name); }

INSTANTIATE_TEST_SUITE_P(Contract, ProfileReadSideBySide, ::testing::ValuesIn(ReadCases()), ReadCaseName);
INSTANTIATE_TEST_SUITE_P(Contract, ProfileWriteSideBySide, ::testing::ValuesIn(WriteCases()), WriteCaseName);

// A write that leaves the value as it was must not touch the file either way.
TEST(ProfileSideBySide, RewritingTheSameValueKeepsTheBytes) {
  TempFolder temp;
  const std::u16string path = temp / u"case.ini";
  const std::string before = "[gen]\r\nuni_font=Tahoma\r\nmlang_text=4100\r\n";
  ASSERT_TRUE(WriteBytes(path, before));
  EXPECT_EQ(WriteProfileEntry(before, u"gen", u"uni_font", u"Tahoma"), before);
  ASSERT_TRUE(platform::WriteProfileString(u"gen", u"uni_font", u"Tahoma", path));
  EXPECT_EQ(ReadBytes(path), before);
}

}  // namespace
}  // namespace hexcribe
