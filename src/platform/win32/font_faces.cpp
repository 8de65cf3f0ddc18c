// Win32 font faces: every face GDI enumerates for the display, once per character set, and the
// code points a face has glyphs for.
#include "platform/win32/windows_api.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/wide_text.h"

namespace hexcribe::platform {

using win32::FromWide;

namespace {

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW* /*metrics*/, DWORD /*type*/, LPARAM faces) {
  reinterpret_cast<std::vector<std::u16string>*>(faces)->push_back(FromWide(font->lfFaceName));
  return 1;  // keep enumerating
}

// The reports of EnumFontFamiliesExW on the display for a face name ("" for every face).
std::vector<std::u16string> EnumerateDisplayFonts(const std::wstring& face) {
  std::vector<std::u16string> faces;
  win32::UniqueDc display(::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
  if (display.get() == nullptr) return faces;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  ::EnumFontFamiliesExW(display.get(), &wanted, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
  return faces;
}

// Big-endian fields of an OpenType table.
std::uint16_t ReadBigEndian16(const std::vector<std::uint8_t>& table, std::size_t offset) {
  return static_cast<std::uint16_t>((table[offset] << 8) | table[offset + 1]);
}

// True when the OpenType "name" table lists name as a family name (ids 1 and
// 16) in any language, compared without regard to case.
bool NameTableHasFamily(const std::vector<std::uint8_t>& table, const std::u16string& name) {
  if (table.size() < 6) return false;
  const std::size_t count = ReadBigEndian16(table, 2);
  const std::size_t strings = ReadBigEndian16(table, 4);
  const std::wstring wanted = win32::ToWide(name);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t record = 6 + 12 * i;
    if (record + 12 > table.size()) break;
    const std::uint16_t platformId = ReadBigEndian16(table, record);
    const std::uint16_t nameId = ReadBigEndian16(table, record + 6);
    const std::size_t length = ReadBigEndian16(table, record + 8);
    const std::size_t offset = strings + ReadBigEndian16(table, record + 10);
    // Unicode and Windows platform names are UTF-16BE.
    if ((platformId != 0 && platformId != 3) || (nameId != 1 && nameId != 16)) continue;
    if (offset + length > table.size() || length / 2 != wanted.size()) continue;
    std::wstring family(length / 2, L'\0');
    for (std::size_t unit = 0; unit < family.size(); ++unit) {
      family[unit] = static_cast<wchar_t>(ReadBigEndian16(table, offset + 2 * unit));
    }
    if (::CompareStringOrdinal(family.c_str(), static_cast<int>(family.size()), wanted.c_str(),
                               static_cast<int>(wanted.size()), TRUE) == CSTR_EQUAL) {
      return true;
    }
  }
  return false;
}

// The font GDI makes for a face name, selected into a memory device context
// for the length of one call (a missing face gives GDI's stand-in face).
class SelectedFace {
 public:
  explicit SelectedFace(const std::u16string& face) : dc_(::CreateCompatibleDC(nullptr)) {
    if (dc_.get() == nullptr) return;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    win32::ToWide(face).copy(wanted.lfFaceName, LF_FACESIZE - 1);
    font_ = ::CreateFontIndirectW(&wanted);
    if (font_ != nullptr) previous_ = ::SelectObject(dc_.get(), font_);
  }
  ~SelectedFace() {
    // Deselected before it is deleted; the device context goes after it.
    if (font_ == nullptr) return;
    ::SelectObject(dc_.get(), previous_);
    ::DeleteObject(font_);
  }
  SelectedFace(const SelectedFace&) = delete;
  SelectedFace& operator=(const SelectedFace&) = delete;

  // The context with the font in it, nullptr when either could not be made.
  HDC dc() const { return font_ != nullptr ? dc_.get() : nullptr; }

  // The bytes of the font's table `tag` (the four letters as GDI expects them),
  // empty when the font has no such table.
  std::vector<std::uint8_t> Table(DWORD tag) const {
    const DWORD size = dc() != nullptr ? ::GetFontData(dc(), tag, 0, nullptr, 0) : GDI_ERROR;
    if (size == GDI_ERROR || size == 0) return {};
    std::vector<std::uint8_t> table(size);
    if (::GetFontData(dc(), tag, 0, table.data(), size) != size) return {};
    return table;
  }

 private:
  win32::UniqueDc dc_;
  HFONT font_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// The face GDI chooses for name, when that face really carries the name as
// one of its family names (in any language) rather than being a stand-in.
std::optional<std::u16string> FaceCarryingName(const std::u16string& name) {
  const SelectedFace selected(name);
  wchar_t face[LF_FACESIZE] = {};
  constexpr DWORD kNameTable = 0x656D616E;  // "name" as GDI expects the tag
  if (selected.dc() == nullptr || ::GetTextFaceW(selected.dc(), LF_FACESIZE, face) <= 0) return std::nullopt;
  if (!NameTableHasFamily(selected.Table(kNameTable), name)) return std::nullopt;
  return FromWide(face);
}

// The BMP ranges GDI reports for the font in dc: the coverage of fonts without
// a character map table, such as raster fonts.
std::optional<CodePointSet> ReportedUnicodeRanges(HDC dc) {
  const DWORD size = ::GetFontUnicodeRanges(dc, nullptr);
  if (size < sizeof(GLYPHSET)) return std::nullopt;
  // GLYPHSET ends in a variable array of ranges: a buffer aligned for it.
  std::vector<GLYPHSET> buffer(size / sizeof(GLYPHSET) + 1);
  GLYPHSET* glyphs = buffer.data();
  if (::GetFontUnicodeRanges(dc, glyphs) == 0) return std::nullopt;
  const std::size_t fits = (size - offsetof(GLYPHSET, ranges)) / sizeof(WCRANGE);
  std::vector<CodePointRange> ranges;
  for (std::size_t i = 0; i < std::min<std::size_t>(glyphs->cRanges, fits); ++i) {
    const WCRANGE& range = glyphs->ranges[i];
    if (range.cGlyphs > 0) ranges.push_back({range.wcLow, char32_t{range.wcLow} + range.cGlyphs - 1});
  }
  return CodePointSet(std::move(ranges));
}

// The characters of the font's single-byte code page, for a raster font that
// reports no ranges: its glyphs are the code page's 224 printable bytes.
std::optional<CodePointSet> CodePageCharacters(HDC dc) {
  CHARSETINFO charset{};
  const auto id = static_cast<UINT_PTR>(::GetTextCharset(dc));
  if (!::TranslateCharsetInfo(reinterpret_cast<DWORD*>(id), &charset, TCI_SRCCHARSET)) return std::nullopt;
  CPINFO info{};
  if (!::GetCPInfo(charset.ciACP, &info) || info.MaxCharSize != 1) return std::nullopt;
  std::vector<CodePointRange> ranges;
  for (int byte = 0x20; byte <= 0xFF; ++byte) {
    const char narrow = static_cast<char>(byte);
    wchar_t wide = 0;
    if (::MultiByteToWideChar(charset.ciACP, MB_ERR_INVALID_CHARS, &narrow, 1, &wide, 1) == 1) {
      ranges.push_back({wide, wide});
    }
  }
  return CodePointSet(std::move(ranges));
}

}  // namespace

std::vector<std::u16string> EnumerateRawFontFaces() { return EnumerateDisplayFonts(L""); }

std::u16string CanonicalFaceName(const std::u16string& name) {
  // Only whole names GDI can look up; a longer one is no installed face.
  if (name.empty() || name.size() >= LF_FACESIZE) return name;
  // A name the enumeration knows is reported the way the face list shows it.
  const std::vector<std::u16string> reported = EnumerateDisplayFonts(win32::ToWide(name));
  if (!reported.empty()) return reported.front();
  // A family name in another language (a face saved on a system with another
  // language): the face that carries it. Anything else stays as it is rather
  // than becoming GDI's stand-in face.
  return FaceCarryingName(name).value_or(name);
}

std::u16string FaceShownForDefault(const std::u16string& face) { return face; }

std::optional<CodePointSet> FaceGlyphCoverage(const std::u16string& face) {
  const SelectedFace selected(face);
  if (selected.dc() == nullptr) return std::nullopt;
  constexpr DWORD kCharacterMapTable = 0x70616D63;  // "cmap" as GDI expects the tag
  if (std::optional<CodePointSet> mapped = ReadCharacterMap(selected.Table(kCharacterMapTable))) return mapped;
  if (std::optional<CodePointSet> reported = ReportedUnicodeRanges(selected.dc())) return reported;
  return CodePageCharacters(selected.dc());
}

}  // namespace hexcribe::platform
