// The compiled resources of Hexcribe.exe (hexcribe.rc, linked into this test program too) agree
// with the shared tables: dialog templates, initial list items, string, icon, version data, manifest.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialog_resource.h"
#include "platform/platform.h"
#include "app/win32/dialog_init_data.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "res/resource.h"
#include "res/version_info.h"
#include "res/window_styles.h"
#include "version/product_version.h"

namespace hexcribe {
namespace {

using testing::CompiledControl;
using testing::CompiledDialog;

// A resource of this program; in one language (a Windows language id), or as the loader picks it.
std::span<const std::uint8_t> ResourceBytes(const wchar_t* type, int id, std::optional<WORD> language = {}) {
  const HMODULE self = ::GetModuleHandleW(nullptr);
  const HRSRC info = language ? ::FindResourceExW(self, type, MAKEINTRESOURCEW(id), *language)
                              : ::FindResourceW(self, MAKEINTRESOURCEW(id), type);
  if (info == nullptr) return {};
  const HGLOBAL loaded = ::LoadResource(self, info);
  const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (data == nullptr) return {};
  return {static_cast<const std::uint8_t*>(data), ::SizeofResource(self, info)};
}

// The window class of a template's control: predefined classes by ordinal, the list view by name
// (which resource compilers store in capitals; class names ignore case).
testing::NameOrOrdinal WindowClass(res::ControlClass controlClass) {
  switch (controlClass) {
    case res::ControlClass::kButton: return {0x0080, {}};
    case res::ControlClass::kEdit: return {0x0081, {}};
    case res::ControlClass::kStatic: return {0x0082, {}};
    case res::ControlClass::kComboBox: return {0x0085, {}};
    case res::ControlClass::kListView: return {std::nullopt, u"SYSLISTVIEW32"};
  }
  return {};
}

std::string Narrow(std::u16string_view text) {
  std::string out;
  for (char16_t unit : text) out.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  return out;
}

// U.S. English, then every translation under each of its Windows language ids.
struct ResourceLanguage {
  const res::Translation* translation;  // nullptr: English
  WORD id;
};
std::vector<ResourceLanguage> ResourceLanguages() {
  std::vector<ResourceLanguage> languages = {{nullptr, 0x0409}};
  for (const res::Translation& translation : res::Translations()) {
    for (const std::uint16_t id : translation.windowsLanguages) languages.push_back({&translation, id});
  }
  return languages;
}

void ExpectTemplateMatches(const res::DialogTemplate& table, WORD language) {
  SCOPED_TRACE("dialog " + std::to_string(table.id) + ", language " + std::to_string(language));
  const std::optional<CompiledDialog> compiled =
      testing::ParseDialogTemplate(ResourceBytes(RT_DIALOG, table.id, language));
  ASSERT_TRUE(compiled.has_value());
  EXPECT_EQ(compiled->extended, table.extended);
  EXPECT_EQ(compiled->style, table.style);
  EXPECT_EQ(compiled->exStyle, table.exStyle);
  EXPECT_EQ(compiled->x, table.x);
  EXPECT_EQ(compiled->y, table.y);
  EXPECT_EQ(compiled->width, table.width);
  EXPECT_EQ(compiled->height, table.height);
  EXPECT_FALSE(compiled->menu.ordinal.has_value());
  EXPECT_TRUE(compiled->menu.name.empty());
  EXPECT_TRUE(compiled->windowClass.name.empty());
  EXPECT_EQ(compiled->caption, table.caption);
  EXPECT_EQ(compiled->fontFace, table.fontFace);
  EXPECT_EQ(compiled->pointSize, table.pointSize);
  if (table.extended) {
    EXPECT_EQ(compiled->weight, table.fontWeight);
    EXPECT_EQ(compiled->italic, table.italic);
    EXPECT_EQ(compiled->charset, table.charset);
  }
  ASSERT_EQ(compiled->controls.size(), table.controls.size());
  for (std::size_t i = 0; i < table.controls.size(); ++i) {
    const res::ControlTemplate& want = table.controls[i];
    const CompiledControl& got = compiled->controls[i];
    SCOPED_TRACE("control " + std::to_string(i) + " id " + std::to_string(want.id) + " " + Narrow(want.text));
    EXPECT_EQ(got.id, want.id);
    EXPECT_EQ(got.windowClass.ordinal, WindowClass(want.controlClass).ordinal);
    EXPECT_EQ(got.windowClass.name, WindowClass(want.controlClass).name);
    EXPECT_EQ(got.style, res::kWsChild | res::kWsVisible | want.style);
    EXPECT_EQ(got.exStyle, 0u);
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.width, want.width);
    EXPECT_EQ(got.height, want.height);
    if (want.iconId != 0) {
      EXPECT_EQ(got.text.ordinal, std::optional<std::uint16_t>(static_cast<std::uint16_t>(want.iconId)));
    } else {
      EXPECT_FALSE(got.text.ordinal.has_value());
      EXPECT_EQ(got.text.name, want.text);
    }
    EXPECT_EQ(got.extraBytes, 0);
  }
}

TEST(Win32Resources, DialogTemplatesMatchTheSharedTablesInEveryLanguage) {
  for (const ResourceLanguage& language : ResourceLanguages()) {
    ExpectTemplateMatches(res::MainDialogTemplate(language.translation), language.id);
    ExpectTemplateMatches(res::AboutBoxTemplate(language.translation), language.id);
    ExpectTemplateMatches(res::CharacterDetailsTemplate(language.translation), language.id);
  }
}

TEST(Win32Resources, InitialListItemsMatchTheSharedTable) {
  const std::vector<app::win32::DialogInitEntry> entries =
      app::win32::ParseDialogInitData(ResourceBytes(MAKEINTRESOURCEW(app::win32::kDialogInitType),
                                                         IDD_CONVERTER_DIALOG));
  std::vector<app::win32::DialogInitEntry> expected;
  for (const res::InitialItems& items : res::MainDialogTemplate().initialData) {
    for (const int textId : items.textIds) {
      expected.push_back({items.controlId, 0x0403, Narrow(res::LoadResourceString(textId))});
    }
  }
  ASSERT_EQ(entries.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(entries[i].controlId, expected[i].controlId);
    EXPECT_EQ(entries[i].message, expected[i].message);
    EXPECT_EQ(entries[i].text, expected[i].text);
  }
  // The About box has no initial data.
  EXPECT_TRUE(ResourceBytes(MAKEINTRESOURCEW(app::win32::kDialogInitType), IDD_ABOUTBOX).empty());
}

TEST(Win32Resources, StringTableMatchesTheSharedTable) {
  for (const res::StringEntry& entry : res::kStringTable) {
    wchar_t buffer[128] = {};
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), static_cast<UINT>(entry.id), buffer, 128);
    EXPECT_EQ(std::u16string(buffer, buffer + length), entry.text) << entry.id;
  }
}

TEST(Win32Resources, IconGroupHoldsLargeFullColourAndSmall16ColourImages) {
  const std::span<const std::uint8_t> group = ResourceBytes(RT_GROUP_ICON, IDR_MAINFRAME);
  // GRPICONDIR: reserved, type 1, count; then 14-byte entries (a width of 0 means 256).
  struct Image {
    int size, colours, bits;
    bool operator==(const Image&) const = default;
  };
  const std::vector<Image> want{{256, 0, 32}, {48, 0, 32}, {32, 16, 4}, {16, 16, 4}};
  ASSERT_GE(group.size(), 6u);
  const int count = group[4] | (group[5] << 8);
  ASSERT_EQ(count, static_cast<int>(want.size()));
  ASSERT_GE(group.size(), 6u + 14u * want.size());
  for (int i = 0; i < count; ++i) {
    const std::uint8_t* entry = group.data() + 6 + 14 * i;
    EXPECT_EQ(entry[0], entry[1]) << "image " << i << " is square";
    const Image got{entry[0] == 0 ? 256 : entry[0], entry[2], entry[6] | (entry[7] << 8)};
    EXPECT_EQ(got, want[static_cast<std::size_t>(i)]) << "image " << i << " is " << got.size << " px";
    const int imageId = entry[12] | (entry[13] << 8);
    EXPECT_FALSE(ResourceBytes(RT_ICON, imageId).empty()) << "image " << imageId;
  }
  EXPECT_NE(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)), nullptr);
  const auto large = static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 48, 48, 0));
  EXPECT_NE(large, nullptr);
  if (large != nullptr) ::DestroyIcon(large);
}

TEST(Win32Resources, VersionDataMatchesTheVersionSource) {
  const std::u16string self = platform::GetOwnModulePath();
  for (const std::u16string_view language : res::kVersionLanguages) {
    for (const res::VersionStringEntry& entry : res::kVersionStrings) {
      EXPECT_EQ(platform::QueryVersionString(self, std::u16string(language), entry.name), std::u16string(entry.value))
          << Narrow(language) << " " << Narrow(entry.name);
    }
  }
  EXPECT_EQ(platform::QueryVersionString(self, u"040904b0", u"ProductVersion"), u"1, 0, 0, 1");
  EXPECT_EQ(platform::QueryVersionString(self, u"041204B0", u"ProductVersion"), u"1, 0, 0, 1");

  const std::wstring path(self.begin(), self.end());
  DWORD ignored = 0;
  std::vector<std::uint8_t> data(::GetFileVersionInfoSizeW(path.c_str(), &ignored));
  ASSERT_FALSE(data.empty());
  ASSERT_TRUE(::GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\", &value, &length));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  const std::uint32_t ms = (std::uint32_t{res::kVersionNumbers[0]} << 16) | res::kVersionNumbers[1];
  const std::uint32_t ls = (std::uint32_t{res::kVersionNumbers[2]} << 16) | res::kVersionNumbers[3];
  EXPECT_EQ(fixed->dwFileVersionMS, ms);
  EXPECT_EQ(fixed->dwFileVersionLS, ls);
  EXPECT_EQ(fixed->dwProductVersionMS, ms);
  EXPECT_EQ(fixed->dwProductVersionLS, ls);
  EXPECT_EQ(fixed->dwFileFlagsMask, res::kVersionFlagsMask);
  EXPECT_EQ(fixed->dwFileFlags, res::kVersionFlags);
  EXPECT_EQ(fixed->dwFileOS, res::kVersionOs);
  EXPECT_EQ(fixed->dwFileType, res::kVersionType);
  EXPECT_EQ(fixed->dwFileSubtype, res::kVersionSubtype);
  ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &value, &length));
  ASSERT_EQ(length, 4 * std::size(res::kVersionTranslations));
  const auto* translation = static_cast<const WORD*>(value);
  for (const res::VersionTranslationEntry& entry : res::kVersionTranslations) {
    EXPECT_EQ(translation[0], entry.language);
    EXPECT_EQ(translation[1], entry.codePage);
    translation += 2;
  }
}

TEST(Win32Resources, TitleComesFromTheProgramsOwnVersionData) {
  EXPECT_EQ(GetVersionNumber(u""), 100);
  EXPECT_EQ(MakeTitleText(), u"Hexcribe v1.00");
}

TEST(Win32Resources, ManifestAsksForCommonControls6AndDpiAwareness) {
  const std::span<const std::uint8_t> bytes = ResourceBytes(RT_MANIFEST, 1);
  const std::string manifest(bytes.begin(), bytes.end());
  for (const char* needle : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "<dpiAware", "<dpiAwareness",
                             "asInvoker"}) {
    EXPECT_NE(manifest.find(needle), std::string::npos) << needle;
  }
}

}  // namespace
}  // namespace hexcribe
