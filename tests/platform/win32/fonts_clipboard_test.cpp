// Win32 font enumeration and clipboard export on the real GDI and clipboard.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "fonts/face_list.h"
#include "platform/platform.h"
#include "win32_test_files.h"

namespace hexcribe {
namespace {

bool Contains(const std::vector<std::u16string>& list, std::u16string_view item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

TEST(Win32Fonts, EnumeratesInstalledFacesForTheFaceList) {
  const std::vector<std::u16string> raw = platform::EnumerateRawFontFaces();
  ASSERT_FALSE(raw.empty());
  EXPECT_TRUE(Contains(raw, u"Tahoma"));
  const std::vector<std::u16string> faces = BuildFaceList(raw);
  EXPECT_TRUE(Contains(faces, u"Tahoma"));
  // One report per face and character set: the list is shorter than the reports.
  EXPECT_LT(faces.size(), raw.size());
}

TEST(Win32Fonts, CanonicalNameOfAListedFaceIsItself) {
  const std::vector<std::u16string> faces = BuildFaceList(platform::EnumerateRawFontFaces());
  ASSERT_FALSE(faces.empty());
  for (const std::u16string& face : faces) {
    EXPECT_EQ(platform::CanonicalFaceName(face), face) << std::string(face.begin(), face.end());
  }
  for (const std::u16string name : {u"", u"Taho", u"No Such Face Anywhere", u"A face name far too long for GDI"}) {
    EXPECT_EQ(platform::CanonicalFaceName(name), name);
  }
}

// A face saved under its name in another language (a Korean system lists
// NanumGothic under its Hangul name) maps to the face that carries that name,
// and never to the stand-in face GDI picks for a name it does not know. Wine
// knows other-language names only under the matching locale, so there the
// name stays as it is.
TEST(Win32Fonts, AnOtherLanguageNameMapsOnlyToTheFaceCarryingIt) {
  const std::vector<std::u16string> faces = BuildFaceList(platform::EnumerateRawFontFaces());
  if (!Contains(faces, u"NanumGothic")) GTEST_SKIP() << "NanumGothic is not installed";
  const std::u16string korean = u"\uB098\uB214\uACE0\uB515";
  const std::u16string canonical = platform::CanonicalFaceName(korean);
  if (testing::RunningUnderWine()) {
    EXPECT_EQ(canonical, korean);
  } else {
    EXPECT_TRUE(canonical == korean || canonical == u"NanumGothic");
  }
  EXPECT_EQ(platform::CanonicalFaceName(u"Tahoma Missing"), u"Tahoma Missing");
}

// The CF_TEXT block on the clipboard, terminator included; nullopt when there is none.
std::optional<std::string> ClipboardTextBlock() {
  if (!::OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::string> result;
  if (const HANDLE block = ::GetClipboardData(CF_TEXT)) {
    const auto* bytes = static_cast<const char*>(::GlobalLock(block));
    if (bytes != nullptr) {
      result = std::string(bytes, ::GlobalSize(block));
      ::GlobalUnlock(block);
    }
  }
  ::CloseClipboard();
  return result;
}

TEST(Win32Clipboard, CommandGoesOnAsAnsiTextWithItsTerminatingZero) {
  const std::string bytes = platform::ToClipboardBytes(u"Print 'U::41 00';");
  EXPECT_EQ(bytes, "Print 'U::41 00';");
  ASSERT_TRUE(platform::PutTextOnClipboard(bytes));
  const std::optional<std::string> block = ClipboardTextBlock();
  ASSERT_TRUE(block.has_value());
  ASSERT_GE(block->size(), bytes.size() + 1);
  EXPECT_EQ(block->substr(0, bytes.size()), bytes);
  EXPECT_EQ((*block)[bytes.size()], '\0');
}

TEST(Win32Clipboard, EmptyTextEmptiesTheClipboard) {
  ASSERT_TRUE(platform::PutTextOnClipboard("41 00"));
  EXPECT_EQ(platform::ToClipboardBytes(u""), "");
  EXPECT_TRUE(platform::PutTextOnClipboard(""));
  EXPECT_FALSE(::IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_FALSE(ClipboardTextBlock().has_value());
}

}  // namespace
}  // namespace hexcribe
