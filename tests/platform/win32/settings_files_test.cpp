// Win32 settings location, file probes and the Unicode settings file, on the real file system.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "settings/file_probes.h"
#include "settings/profile_values.h"
#include "win32_test_files.h"

namespace hexcribe {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kBom = "\xFF\xFE";

TEST(Win32SettingsLocation, AppDataIsAnExistingFolderWithoutTrailingBackslash) {
  const std::u16string folder = platform::GetAppDataFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), u'\\');
  EXPECT_TRUE(platform::IsDirectory(folder));
  EXPECT_EQ(platform::PathSeparator(), u'\\');
}

TEST(Win32FileProbes, TellFoldersFilesAndMissingPathsApart) {
  TempFolder temp;
  ASSERT_TRUE(WriteBytes(temp / u"file.ini", "x"));
  struct Case {
    std::u16string path;
    bool directory;
    bool readable;
    bool exists;
  };
  const std::vector<Case> cases = {
      {temp.path(), true, false, true},
      {temp / u"file.ini", false, true, true},
      {temp / u"missing.ini", false, false, false},
      {temp / u"missing\\file.ini", false, false, false},
      // Wildcards name no file: a search pattern must not match file.ini.
      {temp / u"*.ini", false, false, false},
      {u"", false, false, false},
  };
  for (const Case& c : cases) {
    const std::string name(c.path.begin(), c.path.end());
    EXPECT_EQ(platform::IsDirectory(c.path), c.directory) << name;
    EXPECT_EQ(platform::CanOpenForReading(c.path), c.readable) << name;
    EXPECT_EQ(PathExists(c.path), c.exists) << name;
  }
}

// A settings file another program holds open without sharing counts as
// missing, and saving then fails rather than replacing the file.
TEST(Win32FileProbes, ALockedFileIsNeitherFoundNorReplaced) {
  TempFolder temp;
  const std::u16string path = temp / u"setting.ini";
  const std::string saved = "[gen]\r\nuni_font=Arial\r\n";
  ASSERT_TRUE(WriteBytes(path, saved));
  const std::wstring widePath(path.begin(), path.end());
  const HANDLE locked =
      ::CreateFileW(widePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(PathExists(path));
  EXPECT_EQ(ReadProfileValue(u"gen", u"uni_font", u"Tahoma", 0, StoredForm::kPlain, path), u"Tahoma");
  EXPECT_FALSE(WriteProfileValue(u"gen", u"uni_font", u"Tahoma", StoredForm::kPlain, path));
  ::CloseHandle(locked);
  EXPECT_EQ(ReadBytes(path), saved);
}

TEST(Win32FileProbes, CreateFolderMakesOneLevelAndReportsAnExistingOne) {
  TempFolder temp;
  EXPECT_TRUE(platform::CreateFolder(temp / u"Hexcribe"));
  EXPECT_TRUE(platform::IsDirectory(temp / u"Hexcribe"));
  EXPECT_FALSE(platform::CreateFolder(temp / u"Hexcribe"));
  EXPECT_FALSE(platform::CreateFolder(temp / u"a\\b"));
  EXPECT_FALSE(platform::CreateFolder(u""));
}

TEST(Win32FileProbes, NewSettingsFileHoldsOnlyAUtf16ByteOrderMark) {
  TempFolder temp;
  const std::u16string path = temp / u"setting.ini";
  ASSERT_TRUE(CreateEmptyFile(path));
  EXPECT_EQ(ReadBytes(path), kBom);
  EXPECT_FALSE(CreateEmptyFile(temp / u"missing\\setting.ini"));
}

TEST(Win32FileProbes, CreatingNeverTruncatesAnExistingFile) {
  TempFolder temp;
  const std::u16string path = temp / u"setting.ini";
  const std::string saved = "[gen]\r\nuni_font=Tahoma\r\n";
  ASSERT_TRUE(WriteBytes(path, saved));
  EXPECT_FALSE(platform::CreateNewEmptyFile(path));
  EXPECT_EQ(ReadBytes(path), saved);
  EXPECT_FALSE(platform::CreateNewEmptyFile(temp.path()));
}

// A face name outside the ANSI code page survives a save and a read: the file
// is created Unicode, so the profile writer does not turn it into "?".
TEST(Win32SettingsFile, KeepsFaceNamesOutsideTheAnsiCodePage) {
  TempFolder temp;
  const std::u16string path = temp / u"setting.ini";
  const std::u16string face = u"\uB098\uB214\uACE0\uB515";  // NanumGothic in Hangul
  const std::u16string text = u"\uD55C\uAD6D\uC778 A";
  ASSERT_TRUE(WriteProfileValue(u"gen", u"uni_font", face, StoredForm::kPlain, path));
  ASSERT_TRUE(WriteProfileValue(u"gen", u"mlang_text", text, StoredForm::kHex, path));

  EXPECT_EQ(ReadProfileValue(u"gen", u"uni_font", u"Tahoma", 0, StoredForm::kPlain, path), face);
  EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, path), text);
  const std::optional<std::string> bytes = ReadBytes(path);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->substr(0, 2), kBom);
  EXPECT_NE(bytes->find(testing::Utf16LeBytes(u"uni_font=" + face)), std::string::npos);
  EXPECT_NE(bytes->find(testing::Utf16LeBytes(u"mlang_text=5CD56DAD78C720004100")), std::string::npos);
}

// Files written earlier by the profile functions alone (ANSI) stay readable and writable.
TEST(Win32SettingsFile, ReadsAndUpdatesAnOlderAnsiFile) {
  TempFolder temp;
  const std::u16string path = temp / u"setting.ini";
  ASSERT_TRUE(WriteBytes(path, "[gen]\r\nuni_font=Arial\r\nmlang_text=4100\r\n"));
  EXPECT_EQ(ReadProfileValue(u"gen", u"uni_font", u"Tahoma", 0, StoredForm::kPlain, path), u"Arial");
  EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, path), u"A");
  ASSERT_TRUE(WriteProfileValue(u"gen", u"uni_font", u"Tahoma", StoredForm::kPlain, path));
  EXPECT_EQ(ReadProfileValue(u"gen", u"uni_font", u"Arial", 0, StoredForm::kPlain, path), u"Tahoma");
  EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, path), u"A");
}

TEST(Win32SettingsFile, ReadingAMissingFileGivesDefaultsAndCreatesNothing) {
  TempFolder temp;
  const std::u16string path = temp / u"setting.ini";
  EXPECT_EQ(ReadProfileValue(u"gen", u"uni_font", u"Tahoma", 0, StoredForm::kPlain, path), u"Tahoma");
  EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, path), u"");
  EXPECT_FALSE(ReadBytes(path).has_value());
  EXPECT_FALSE(WriteProfileValue(u"gen", u"uni_font", u"Tahoma", StoredForm::kPlain, temp / u"missing\\setting.ini"));
}

TEST(Win32SettingsFile, AFileWithoutTheTextKeyGainsAnEmptyOne) {
  TempFolder temp;
  const std::u16string path = temp / u"setting.ini";
  ASSERT_TRUE(WriteProfileValue(u"gen", u"uni_font", u"Tahoma", StoredForm::kPlain, path));
  EXPECT_EQ(ReadProfileValue(u"gen", u"mlang_text", u"", 2048, StoredForm::kHex, path), u"");
  EXPECT_EQ(platform::GetProfileString(u"gen", u"mlang_text", u"absent", 64, path), u"");
}

}  // namespace
}  // namespace hexcribe
