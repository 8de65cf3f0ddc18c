// The INI format on bytes: which value a read finds, and what a write leaves in the file.
#include "core/profile_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profile_contract_cases.h"
#include "utf16_bytes.h"

namespace hexcribe {
namespace {

using testing::ReadContractCases;
using testing::Write;
using testing::WriteContractCases;

TEST(ProfileRead, FindsValuesLikeTheWindowsProfileReader) {
  for (const auto& c : ReadContractCases()) {
    EXPECT_EQ(ReadProfileEntry(c.file, c.section, c.key, c.def, c.capacity), c.expected) << c.name;
  }
}

TEST(ProfileWrite, ChangesOnlyTheLinesItMust) {
  for (const auto& c : WriteContractCases()) {
    std::string file = c.before;
    for (const Write& w : c.writes) file = WriteProfileEntry(file, w.section, w.key, w.value);
    EXPECT_EQ(file, c.after) << c.name;
  }
}

TEST(ProfileUtf16, ReadsAndKeepsUtf16LittleEndian) {
  const std::string file = testing::Utf16LeFile(u"[gen]\r\nuni_font=\uB9D1\uC740 \uACE0\uB515\r\nmlang_text=5CD5\r\n");
  EXPECT_EQ(ReadProfileEntry(file, u"gen", u"uni_font", u"Tahoma", 2000), u"\uB9D1\uC740 \uACE0\uB515");
  EXPECT_EQ(ReadProfileEntry(file, u"GEN", u"mlang_text", u"", 2048), u"5CD5");

  const std::string changed = WriteProfileEntry(file, u"gen", u"mlang_text", u"4100");
  EXPECT_EQ(changed, testing::Utf16LeFile(u"[gen]\r\nuni_font=\uB9D1\uC740 \uACE0\uB515\r\nmlang_text=4100\r\n"));
  EXPECT_EQ(WriteProfileEntry(testing::Utf16LeFile(u""), u"s", u"k", u"\uD55C"), testing::Utf16LeFile(u"\r\n[s]\r\nk=\uD55C\r\n"));

  // Lone surrogates survive in a UTF-16 file; an odd last byte stays last.
  const std::string odd = testing::Utf16LeFile(u"[s]\r\nk=\xD800\r\n") + "\x7F";
  EXPECT_EQ(ReadProfileEntry(odd, u"s", u"k", u"", 64), u"\xD800");
  EXPECT_EQ(WriteProfileEntry(odd, u"s", u"j", u"1"), testing::Utf16LeFile(u"[s]\r\nk=\xD800\r\nj=1\r\n") + "\x7F");
}

TEST(ProfileRead, LongLinesAndValues) {
  const std::string longValue(10 * 1024 * 1024, 'x');
  const std::string file = "[s]\r\njunk=" + longValue + "\r\nk=v\r\n";
  EXPECT_EQ(ReadProfileEntry(file, u"s", u"k", u"d", 64), u"v");
  EXPECT_EQ(ReadProfileEntry(file, u"s", u"junk", u"d", 4), u"xxx");
}

}  // namespace
}  // namespace hexcribe
