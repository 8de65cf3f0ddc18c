// The profile file contract as data: reads and writes with the results Windows gives.
#include "profile_contract_cases.h"

namespace hexcribe::testing {
namespace {

// A byte string from a literal that may hold NUL bytes.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

}  // namespace

const std::vector<ReadCase>& ReadContractCases() {
  static const std::string spaced = "  [ Sec ]  \r\n \t Key \t = \t v  v \t \r\n";
  static const std::vector<ReadCase> cases = {
      {"no file content", "", u"s", u"k", u"dflt", 64, u"dflt"},
      {"missing section", "[s]\r\nk=v\r\n", u"x", u"k", u"dflt", 64, u"dflt"},
      {"missing key", "[s]\r\nk=v\r\n", u"s", u"zz", u"dflt", 64, u"dflt"},
      {"present empty value", "[s]\r\ne=\r\n", u"s", u"e", u"dflt", 64, u""},
      {"line without = is no key", "[s]\r\nbare\r\n", u"s", u"bare", u"dflt", 64, u"dflt"},
      {"default loses trailing spaces only", "", u"s", u"k", u"  dflt\t  ", 64, u"  dflt\t"},
      {"trimmed lines and names, any case", spaced, u"sec", u"key", u"dflt", 64, u"v  v"},
      {"parameters lose spaces", spaced, u" sec ", u" KEY ", u"dflt", 64, u"v  v"},
      {"parameters keep tabs", spaced, u"\tsec", u"key", u"dflt", 64, u"dflt"},
      {"first duplicate key", "[s]\r\nk=first\r\nk=second\r\n", u"s", u"k", u"d", 64, u"first"},
      {"only the first section", "[s]\r\n[t]\r\n[S]\r\nonly2=x\r\n", u"s", u"only2", u"d", 64, u"d"},
      {"comment line", "[s]\r\n ;k=v\r\n", u"s", u"k", u"d", 64, u"d"},
      {"comment is no key named ;k", "[s]\r\n;k=v\r\n", u"s", u";k", u"d", 64, u"d"},
      {"no inline comments", "[s]\r\nk2=a ;x\r\n", u"s", u"k2", u"d", 64, u"a ;x"},
      {"# is no comment", "[s]\r\n#h=z\r\n", u"s", u"#h", u"d", 64, u"z"},
      {"outer double quotes", "[s]\r\na=\"  v  \"\r\n", u"s", u"a", u"d", 64, u"  v  "},
      {"outer single quotes", "[s]\r\nb='v'\r\n", u"s", u"b", u"d", 64, u"v"},
      {"unmatched quotes stay", "[s]\r\nc=\"v'\r\n", u"s", u"c", u"d", 64, u"\"v'"},
      {"one pair only", "[s]\r\ng=\"\"q\"\"\r\n", u"s", u"g", u"d", 64, u"\"q\""},
      {"a lone quote", "[s]\r\ne=\"\r\n", u"s", u"e", u"d", 64, u"\""},
      {"capacity cuts to n-1", "[s]\r\nk=abcdef\r\n", u"s", u"k", u"d", 4, u"abc"},
      {"capacity just enough", "[s]\r\nk=abcdef\r\n", u"s", u"k", u"d", 7, u"abcdef"},
      {"capacity 1", "[s]\r\nk=abcdef\r\n", u"s", u"k", u"d", 1, u""},
      {"capacity 0", "[s]\r\nk=abcdef\r\n", u"s", u"k", u"d", 0, u""},
      {"quotes removed before cutting", "[s]\r\nq=\"abcdef\"\r\n", u"s", u"q", u"d", 7, u"abcdef"},
      {"default cut too", "", u"s", u"zz", u"defaultvalue", 5, u"defa"},
      {"missing ] tolerated", "[a\r\nk1=v1\r\n", u"a", u"k1", u"d", 64, u"v1"},
      {"name ends at first ]", "[c]d]\r\nk3=v3\r\n", u"c", u"k3", u"d", 64, u"v3"},
      {"text after ] ignored", "[b]junk\r\nk2=v2\r\n", u"b", u"k2", u"d", 64, u"v2"},
      {"no key on a header line", "[s]k=v\r\n", u"s", u"k", u"d", 64, u"d"},
      {"lines before any section", "k0=v0\r\n[]\r\nk4=v4\r\n", u"", u"k0", u"d", 64, u"d"},
      {"empty section name", "k0=v0\r\n[]\r\nk4=v4\r\n", u"", u"k4", u"d", 64, u"v4"},
      {"LF line ends", "[s]\nk=lf\n[t]\rk=cr\r", u"s", u"k", u"d", 64, u"lf"},
      {"CR line ends", "[s]\nk=lf\n[t]\rk=cr\r", u"t", u"k", u"d", 64, u"cr"},
      {"UTF-8 byte-order mark skipped", "\xEF\xBB\xBF[s]\r\nk=v\r\n", u"s", u"k", u"d", 64, u"v"},
      {"UTF-8 value", "[s]\r\nk=\xED\x95\x9C\r\n", u"s", u"k", u"d", 64, u"\uD55C"},
      {"invalid UTF-8 replaced", "[s]\r\nk=a\xFF\r\n", u"s", u"k", u"d", 64, u"a\uFFFD"},
      {"UTF-8 value cut at the capacity", "[s]\r\nk=\xED\x95\x9C\xED\x95\x9C\xED\x95\x9C\xED\x95\x9C\xED\x95\x9C\r\n",
       u"s", u"k", u"d", 4, u"\uD55C\uD55C\uD55C"},
      {"UTF-16BE is not read", Bytes("\xFE\xFF\0[\0s\0]\0\r\0\nk=v\r\n"), u"s", u"k", u"d", 64, u"d"},
      {"NUL ends a parameter", "[s]\r\nk=v\r\n", std::u16string(u"s\0x", 3), u"k", u"d", 64, u"v"},
  };
  return cases;
}

const std::vector<WriteCase>& WriteContractCases() {
  static const std::vector<WriteCase> cases = {
      {"new file", "", {{u"s", u"k", u"v"}}, "[s]\r\nk=v\r\n"},
      {"new key after the last, new section at the end",
       "[s]\r\nk=v\r\n",
       {{u"s", u"k2", u"v2"}, {u"t", u"k", u"v"}},
       "[s]\r\nk=v\r\nk2=v2\r\n[t]\r\nk=v\r\n"},
      {"existing keys keep their place",
       "[s]\r\nb=value\r\na=value\r\n",
       {{u"s", u"z", u""}, {u"s", u"b", u""}, {u"s", u"y", u""}, {u"s", u"a", u""}},
       "[s]\r\nb=\r\na=\r\nz=\r\ny=\r\n"},
      {"new key before trailing comments", "[s]\r\nz=\r\n;y=\r\n", {{u"s", u"a", u""}}, "[s]\r\nz=\r\na=\r\n;y=\r\n"},
      {"new key before a blank line",
       "[s]\r\na=1\r\n\r\n[t]\r\nb=2\r\n",
       {{u"s", u"c", u"3"}},
       "[s]\r\na=1\r\nc=3\r\n\r\n[t]\r\nb=2\r\n"},
      {"new key in an empty section", "[s]\r\n[t]\r\n", {{u"s", u"k", u"v"}}, "[s]\r\nk=v\r\n[t]\r\n"},
      {"rewritten line only",
       "[s]\r\n  k  =  old  \r\nother = keep \r\n",
       {{u"s", u"k", u"new"}},
       "[s]\r\nk=new\r\nother = keep \r\n"},
      {"names keep their spelling, last line gets a line end",
       "[s]\r\nTestKey=TestValue",
       {{u"S", u"TESTKEY", u"TestValue2"}},
       "[s]\r\nTestKey=TestValue2\r\n"},
      {"parameters lose spaces, value verbatim", "", {{u"  s  ", u"  k  ", u"  v  "}}, "[s]\r\nk=  v  \r\n"},
      {"parameters keep tabs", "", {{u"\ts", u"\tk", u"v"}}, "[\ts]\r\n\tk=v\r\n"},
      {"line breaks in a value are written as they are", "", {{u"s", u"k", u"a\r\nb=c"}}, "[s]\r\nk=a\r\nb=c\r\n"},
      {"first of two equal sections",
       "[s]\r\na=1\r\n[t]\r\n[s]\r\nb=2\r\n",
       {{u"s", u"b", u"X"}},
       "[s]\r\na=1\r\nb=X\r\n[t]\r\n[s]\r\nb=2\r\n"},
      {"unchanged value leaves the bytes alone", "[s]\r\n  k = v \r\n", {{u"s", u"k", u"v"}}, "[s]\r\n  k = v \r\n"},
      {"LF file stays LF", "[s]\na=1\n", {{u"s", u"b", u"2"}, {u"t", u"c", u"3"}}, "[s]\na=1\nb=2\n[t]\nc=3\n"},
      {"CR file stays CR", "[s]\ra=1\r", {{u"s", u"b", u"2"}}, "[s]\ra=1\rb=2\r"},
      {"unterminated last line before a new section", "[s]\r\nk=v", {{u"t", u"k", u"v"}}, "[s]\r\nk=v\r\n[t]\r\nk=v\r\n"},
      {"unterminated header", "[s]", {{u"s", u"k", u"v"}}, "[s]\r\nk=v\r\n"},
      {"key goes after a bare line", "[s]\r\na=1\r\nbare\r\n", {{u"s", u"b", u"2"}}, "[s]\r\na=1\r\nbare\r\nb=2\r\n"},
      {"UTF-8 byte-order mark alone", "\xEF\xBB\xBF", {{u"s", u"k", u"\u00A7"}}, "\xEF\xBB\xBF\r\n[s]\r\nk=\xC2\xA7\r\n"},
      {"non-ASCII written as UTF-8", "", {{u"s", u"k", u"\uD55C\U0001F600"}}, "[s]\r\nk=\xED\x95\x9C\xF0\x9F\x98\x80\r\n"},
      {"value ends at NUL", "", {{u"s", u"k", std::u16string(u"ab\0cd", 5)}}, "[s]\r\nk=ab\r\n"},
      {"junk and NUL bytes kept",
       Bytes("\x01\xFF\0x\r\n[s]\r\nk=1\r\n\xFE\0junk\r\n"),
       {{u"s", u"k", u"2"}},
       Bytes("\x01\xFF\0x\r\n[s]\r\nk=2\r\n\xFE\0junk\r\n")},
  };
  return cases;
}

}  // namespace hexcribe::testing
