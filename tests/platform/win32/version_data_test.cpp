// Win32 version data: the test program's own path and the strings of its version resource.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "win32_test_files.h"

namespace hexcribe {
namespace {

bool EndsWith(const std::u16string& text, std::u16string_view tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(Win32VersionData, OwnModulePathIsTheLongFullPathOfThisProgram) {
  const std::u16string path = platform::GetOwnModulePath();
  ASSERT_GE(path.size(), 3u);
  EXPECT_EQ(path.substr(1, 2), u":\\");
  EXPECT_TRUE(EndsWith(path, u"\\platform_win32_tests.exe"));
  EXPECT_EQ(path.find(u'~'), std::u16string::npos) << "short 8.3 form";
}

TEST(Win32VersionData, ReadsStringsOfTheVersionResource) {
  const std::u16string self = platform::GetOwnModulePath();
  testing::TempFolder temp;
  const std::u16string plainFile = temp / u"plain.txt";
  ASSERT_TRUE(testing::WriteBytes(plainFile, "no version data"));
  struct Case {
    std::u16string path;
    std::u16string language;
    std::u16string name;
    std::optional<std::u16string> expected;
  };
  const std::vector<Case> cases = {
      {self, u"040904b0", u"ProductVersion", u"2, 13, 7, 0"},
      {self, u"040904B0", u"ProductVersion", u"2, 13, 7, 0"},
      {self, u"040904b0", u"ProductName", u"Platform tests"},
      {self, u"040904b0", u"Comments", u""},
      {self, u"041204B0", u"ProductVersion", std::nullopt},
      {self, u"040904b0", u"SpecialBuild", std::nullopt},
      {plainFile, u"040904b0", u"ProductVersion", std::nullopt},
      {temp / u"missing.exe", u"040904b0", u"ProductVersion", std::nullopt},
      {u"", u"040904b0", u"ProductVersion", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::string label(c.language.begin(), c.language.end());
    const std::string name(c.name.begin(), c.name.end());
    EXPECT_EQ(platform::QueryVersionString(c.path, c.language, c.name), c.expected) << label << " " << name;
  }
}

}  // namespace
}  // namespace hexcribe
