// The settings store on real files: location, probes, and reading and writing values.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "profile_contract_cases.h"
#include "settings/file_probes.h"
#include "settings/profile_values.h"
#include "settings/settings_location.h"
#include "temp_folder.h"

namespace hexcribe {
namespace {

using testing::EnvOverride;
using testing::ReadBytes;
using testing::TempFolder;
using testing::U16;
using testing::WriteBytes;

TEST(SettingsLocation, FollowsTheXdgRules) {
  struct Case {
    std::optional<std::string> xdg;
    std::optional<std::string> home;
    std::string folder;
  };
  const std::vector<Case> cases = {
      {"/x/cfg", "/home/u", "/x/cfg/Hexcribe"},
      {"/x/cfg//", "/home/u", "/x/cfg/Hexcribe"},
      {"", "/home/u", "/home/u/.config/Hexcribe"},
      {std::nullopt, "/home/u/", "/home/u/.config/Hexcribe"},
      {"relative/cfg", "/home/u", "/home/u/.config/Hexcribe"},
      {"/", "/home/u", "/home/u/.config/Hexcribe"},
      {std::nullopt, std::nullopt, ""},
      {"relative", "relative", ""},
      {"", "", ""},
      {"/x/\xC3\xA9t\xC3\xA9", std::nullopt, "/x/\xC3\xA9t\xC3\xA9/Hexcribe"},
  };
  for (const auto& c : cases) {
    EnvOverride xdg("XDG_CONFIG_HOME", c.xdg);
    EnvOverride home("HOME", c.home);
    const std::string where = c.xdg.value_or("<unset>") + " / " + c.home.value_or("<unset>");
    EXPECT_EQ(GetSettingsFolder(), U16(c.folder)) << where;
    EXPECT_EQ(GetSettingsFilePath(), c.folder.empty() ? u"" : U16(c.folder + "/setting.ini")) << where;
  }
}

TEST(SettingsLocation, WithoutALocationNothingIsReadOrWrittenAnywhere) {
  TempFolder dir;
  const std::string cwd = std::filesystem::current_path();
  ASSERT_EQ(::chdir(dir.path().c_str()), 0);
  {
    EnvOverride xdg("XDG_CONFIG_HOME", "cfg");
    EnvOverride home("HOME", std::nullopt);
    CreateSettingsFolder();
    const std::u16string file = GetSettingsFilePath();
    EXPECT_EQ(ReadProfileValue(u"gen", u"uni_font", u"Tahoma", 0, StoredForm::kPlain, file), u"Tahoma");
    EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, file), u"");
    EXPECT_FALSE(WriteProfileValue(u"gen", u"uni_font", u"Arial", StoredForm::kPlain, file));
  }
  ASSERT_EQ(::chdir(cwd.c_str()), 0);
  EXPECT_EQ(dir.Listing(), "");
}

TEST(SettingsLocation, CreatesPrivateFoldersAndToleratesExistingOnes) {
  TempFolder dir;
  EnvOverride xdg("XDG_CONFIG_HOME", dir / "cfg");
  for (int run = 0; run < 2; ++run) {
    CreateSettingsFolder();
    for (const std::string& folder : {dir / "cfg", dir / "cfg/Hexcribe"}) {
      struct stat st {};
      ASSERT_EQ(::stat(folder.c_str(), &st), 0) << folder;
      EXPECT_TRUE(S_ISDIR(st.st_mode));
      EXPECT_EQ(st.st_mode & 0777, 0700u) << folder;
    }
  }
  EXPECT_TRUE(WriteProfileValue(u"gen", u"uni_font", u"Arial", StoredForm::kPlain, GetSettingsFilePath()));
  EXPECT_EQ(ReadBytes(dir / "cfg/Hexcribe/setting.ini"), "[gen]\r\nuni_font=Arial\r\n");
}

TEST(FileProbes, ExistenceAndCreation) {
  TempFolder dir;
  WriteBytes(dir / "file", "keep me");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  ASSERT_EQ(::symlink("nowhere", (dir / "dangling").c_str()), 0);
  ASSERT_EQ(::symlink("file", (dir / "link").c_str()), 0);
  struct Case {
    std::string path;
    bool exists;
  };
  const std::vector<Case> cases = {
      {"", false},           {dir.path(), true},        {dir / "file", true},     {dir / "link", true},
      {dir / "fifo", true},  {dir / "missing", false},  {dir / "dangling", false}, {dir / "file/x", false},
  };
  for (const auto& c : cases) EXPECT_EQ(PathExists(U16(c.path)), c.exists) << c.path;

  // Creation never truncates or replaces anything.
  for (const std::string& path : {std::string(), dir / "file", dir.path(), dir / "fifo", dir / "dangling",
                                 dir / "link", dir / "missing/new"}) {
    EXPECT_FALSE(CreateEmptyFile(U16(path))) << path;
  }
  EXPECT_EQ(ReadBytes(dir / "file"), "keep me");
  EXPECT_FALSE(PathExists(U16(dir / "nowhere")));
  EXPECT_TRUE(CreateEmptyFile(U16(dir / "new")));
  EXPECT_EQ(ReadBytes(dir / "new"), "");
}

TEST(ProfileContract, HoldsOnRealFiles) {
  TempFolder dir;
  const std::string path = dir / "setting.ini";
  const std::u16string file = U16(path);
  for (const auto& c : testing::ReadContractCases()) {
    WriteBytes(path, c.file);
    EXPECT_EQ(platform::GetProfileString(c.section, c.key, c.def, c.capacity, file), c.expected) << c.name;
  }
  for (const auto& c : testing::WriteContractCases()) {
    std::filesystem::remove(path);
    // An empty starting file is left out, so the first write has to create it.
    if (!c.before.empty()) WriteBytes(path, c.before);
    for (const auto& w : c.writes) EXPECT_TRUE(platform::WriteProfileString(w.section, w.key, w.value, file)) << c.name;
    EXPECT_EQ(ReadBytes(path), c.after) << c.name;
  }
  EXPECT_EQ(dir.Listing(), "setting.ini");
}

// One settings file in a temporary folder.
class ProfileValues : public ::testing::Test {
 protected:
  std::string Bytes() const { return ReadBytes(path).value_or("<missing>"); }
  TempFolder dir;
  std::string path = dir / "setting.ini";
  std::u16string file = U16(path);
};

TEST_F(ProfileValues, FirstRunReadsDefaultsAndCreatesNothing) {
  EXPECT_EQ(ReadProfileValue(u"gen", u"uni_font", u"Tahoma", 0, StoredForm::kPlain, file), u"Tahoma");
  EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, file), u"");
  // With hex the default comes back encoded when there is no file.
  EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"A", 2048, StoredForm::kHex, file), u"4100");
  EXPECT_EQ(dir.Listing(), "");
}

TEST_F(ProfileValues, ReadingTheTextAddsAnEmptyKeyButReadingTheFaceDoesNot) {
  WriteBytes(path, "[gen]\r\n");
  EXPECT_EQ(ReadProfileValue(u"gen", u"uni_font", u"Tahoma", 0, StoredForm::kPlain, file), u"Tahoma");
  EXPECT_EQ(Bytes(), "[gen]\r\n");
  EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, file), u"");
  EXPECT_EQ(Bytes(), "[gen]\r\nmlang_text=\r\n");
  EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, file), u"");
  EXPECT_EQ(Bytes(), "[gen]\r\nmlang_text=\r\n");
}

TEST_F(ProfileValues, WritesCreateTheFileAndReadBack) {
  EXPECT_TRUE(WriteProfileValue(u"gen", u"uni_font", u"Tahoma", StoredForm::kPlain, file));
  EXPECT_TRUE(WriteProfileValue(u"gen", u"mlang_text", u"\uD55C\uAD6D\uC778", StoredForm::kHex, file));
  EXPECT_EQ(Bytes(), "[gen]\r\nuni_font=Tahoma\r\nmlang_text=5CD56DAD78C7\r\n");
  EXPECT_EQ(ReadProfileValue(u"gen", u"uni_font", u"x", 0, StoredForm::kPlain, file), u"Tahoma");
  EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, file), u"\uD55C\uAD6D\uC778");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(ProfileValues, TextsUpTo259UnitsSurviveTheRoundTrip) {
  std::u16string longest;
  while (longest.size() < 259) longest += u"\uD55C\U0001F600\r\n\x0001\xFFFF ";
  longest.resize(259);
  const std::vector<std::u16string> texts = {
      u"",         u"A",        u"\uD55C\uAD6D\uC5B4", u"\U0001F600\U0001F44D", u"line\r\nnext",
      u"\x0001",   u"\xFFFF",   u"  spaced  ",         u"\"quoted\"",           longest,
  };
  for (const auto& text : texts) {
    ASSERT_TRUE(WriteProfileValue(u"gen", u"mlang_text", text, StoredForm::kHex, file));
    EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, file), text) << text.size();
  }
  const std::vector<std::u16string> faces = {u"Tahoma", u"\uB9D1\uC740 \uACE0\uB515", u"MS \uFF30\u30B4\u30B7\u30C3\u30AF"};
  for (const auto& face : faces) {
    ASSERT_TRUE(WriteProfileValue(u"gen", u"uni_font", face, StoredForm::kPlain, file));
    EXPECT_EQ(ReadProfileValue(u"gen", u"uni_font", u"Tahoma", 0, StoredForm::kPlain, file), face);
  }
}

TEST_F(ProfileValues, LongHandEditedTextIsCutAtTheReadCapacity) {
  std::string value;
  for (int i = 0; i < 750; ++i) value += "4100";
  WriteBytes(path, "[gen]\r\nmlang_text=" + value + "\r\n");
  // 2047 characters come through: 511 whole groups, the last three characters dropped.
  EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, file), std::u16string(511, u'A'));
  // Bad groups are dropped one by one, never the whole value.
  WriteBytes(path, "[gen]\r\nmlang_text=4100zz414200\r\n");
  EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, file), u"AB");
}

}  // namespace
}  // namespace hexcribe
