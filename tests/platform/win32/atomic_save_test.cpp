// Win32 saves replace the settings file in one step: refused cases leave it untouched, encodings
// survive, leftovers of killed saves go, and concurrent saves lose no update.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "win32_test_files.h"

namespace hexcribe {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::Utf16LeBytes;
using testing::WriteBytes;

const std::string kAnsi = "[gen]\r\nuni_font=Arial\r\n";

std::wstring Wide(const std::u16string& path) { return std::wstring(path.begin(), path.end()); }

// Everything in the folder besides setting.ini (leftover temporary copies).
std::vector<std::wstring> Leftovers(const TempFolder& temp) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  const HANDLE search = ::FindFirstFileW(Wide(temp / u"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L".." && name != L"setting.ini") names.push_back(name);
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return names;
}

// A save that may not replace the file fails and leaves it byte for byte.
TEST(Win32AtomicSave, RefusedSavesLeaveTheFileAndNoCopyBehind) {
  struct Case {
    const char* name;
    // Damages the setting; gives what undoes it (or nothing).
    std::function<std::function<void()>(const std::u16string& path)> arrange;
  };
  const std::vector<Case> cases = {
      {"read-only attribute",
       [](const std::u16string& path) {
         ::SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_READONLY);
         return std::function<void()>([path] { ::SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_NORMAL); });
       }},
      {"held open without sharing",
       [](const std::u16string& path) {
         const HANDLE held = ::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr);
         return std::function<void()>([held] { ::CloseHandle(held); });
       }},
  };
  for (const Case& c : cases) {
    TempFolder temp;
    const std::u16string path = temp / u"setting.ini";
    ASSERT_TRUE(WriteBytes(path, kAnsi));
    const std::function<void()> undo = c.arrange(path);
    EXPECT_FALSE(platform::WriteProfileString(u"gen", u"uni_font", u"Tahoma", path)) << c.name;
    undo();
    EXPECT_EQ(ReadBytes(path), kAnsi) << c.name;
    EXPECT_TRUE(Leftovers(temp).empty()) << c.name;
  }
  TempFolder temp;
  ASSERT_TRUE(::CreateDirectoryW(Wide(temp / u"setting.ini").c_str(), nullptr));
  EXPECT_FALSE(platform::WriteProfileString(u"gen", u"uni_font", u"Tahoma", temp / u"setting.ini"));
  EXPECT_TRUE(platform::IsDirectory(temp / u"setting.ini"));
}

// The copy starts from the file's bytes: the encoding and foreign lines stay,
// and a copy left by a killed save is removed by the next one.
TEST(Win32AtomicSave, KeepsEncodingAndUntouchedLinesAndClearsLeftovers) {
  struct Case {
    const char* name;
    std::string before;
    std::string expected;
  };
  const std::string bom = "\xFF\xFE";
  const std::vector<Case> cases = {
      {"ANSI", ";keep\r\n" + kAnsi, ";keep\r\n[gen]\r\nuni_font=Tahoma\r\n"},
      {"UTF-16LE", bom + Utf16LeBytes(u";keep\r\n[gen]\r\nuni_font=Arial\r\n"),
       bom + Utf16LeBytes(u";keep\r\n[gen]\r\nuni_font=Tahoma\r\n")},
      {"value unchanged", "[gen]\r\n  uni_font = Tahoma\r\n", "[gen]\r\n  uni_font = Tahoma\r\n"},
  };
  for (const Case& c : cases) {
    TempFolder temp;
    const std::u16string path = temp / u"setting.ini";
    ASSERT_TRUE(WriteBytes(path, c.before));
    ASSERT_TRUE(WriteBytes(path + u".tmp-0a1b2c", "left by a killed save"));
    ASSERT_TRUE(WriteBytes(temp / u"setting.ini.tmp-keep-me", "not ours"));
    EXPECT_TRUE(platform::WriteProfileString(u"gen", u"uni_font", u"Tahoma", path)) << c.name;
    EXPECT_EQ(ReadBytes(path), c.expected) << c.name;
    EXPECT_EQ(Leftovers(temp), std::vector<std::wstring>{L"setting.ini.tmp-keep-me"}) << c.name;
  }
}

struct Writer {
  std::u16string path;
  std::u16string key;
  int saves;
};

DWORD WINAPI SaveRepeatedly(void* argument) {
  const auto* writer = static_cast<const Writer*>(argument);
  for (int i = 1; i <= writer->saves; ++i) {
    const std::u16string value(static_cast<std::size_t>(i % 7 + 1), static_cast<char16_t>(u'a' + i % 26));
    if (!platform::WriteProfileString(u"gen", writer->key, value + u"#" + std::u16string(1, u'0' + i % 10),
                                      writer->path)) {
      return 1;
    }
  }
  return 0;
}

// Two writers of different keys: each one's last update survives the other's saves.
TEST(Win32AtomicSave, ConcurrentSavesLoseNoUpdate) {
  TempFolder temp;
  const std::u16string path = temp / u"setting.ini";
  ASSERT_TRUE(platform::CreateNewEmptyFile(path));
  constexpr int kSaves = 60;
  Writer writers[] = {{path, u"first", kSaves}, {path, u"second", kSaves}};
  HANDLE threads[2] = {};
  for (int i = 0; i < 2; ++i) threads[i] = ::CreateThread(nullptr, 0, SaveRepeatedly, &writers[i], 0, nullptr);
  ::WaitForMultipleObjects(2, threads, TRUE, INFINITE);
  for (HANDLE thread : threads) {
    DWORD code = 1;
    ::GetExitCodeThread(thread, &code);
    EXPECT_EQ(code, 0u);
    ::CloseHandle(thread);
  }
  const std::u16string last = std::u16string(kSaves % 7 + 1, static_cast<char16_t>(u'a' + kSaves % 26)) + u"#0";
  EXPECT_EQ(platform::GetProfileString(u"gen", u"first", u"", 64, path), last);
  EXPECT_EQ(platform::GetProfileString(u"gen", u"second", u"", 64, path), last);
  EXPECT_TRUE(Leftovers(temp).empty());
}

}  // namespace
}  // namespace hexcribe
