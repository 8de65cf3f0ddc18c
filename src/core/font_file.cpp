// Finding a font file's character map: the sfnt table directory (and a collection's first face), or BDF.
#include "core/font_file.h"

#include <string_view>

#include "core/bdf_font.h"

namespace hexcribe {
namespace {

constexpr std::uint32_t Tag(const char (&name)[5]) {
  return std::uint32_t(std::uint8_t(name[0])) << 24 | std::uint32_t(std::uint8_t(name[1])) << 16 |
         std::uint32_t(std::uint8_t(name[2])) << 8 | std::uint8_t(name[3]);
}

// A big-endian field, false when it would lie past the end.
bool Read(std::span<const std::uint8_t> file, std::uint64_t at, int bytes, std::uint32_t& value) {
  if (at > file.size() || file.size() - at < static_cast<std::uint64_t>(bytes)) return false;
  value = 0;
  for (int i = 0; i < bytes; ++i) value = value << 8 | file[at + i];
  return true;
}

bool IsSfntVersion(std::uint32_t version) {
  return version == 0x00010000 || version == Tag("OTTO") || version == Tag("true");
}

}  // namespace

std::optional<std::span<const std::uint8_t>> FindCharacterMapTable(std::span<const std::uint8_t> file,
                                                                   std::string& error) {
  std::uint32_t version = 0;
  std::uint64_t face = 0;
  if (Read(file, 0, 4, version) && version == Tag("ttcf")) {  // a collection: its first face
    std::uint32_t faces = 0, first = 0;
    if (!Read(file, 8, 4, faces) || faces == 0 || !Read(file, 12, 4, first)) {
      error = "the font collection's header is cut short or lists no face";
      return std::nullopt;
    }
    face = first;
    if (!Read(file, face, 4, version)) {
      error = "the font collection's first face lies past the end of the file";
      return std::nullopt;
    }
  }
  if (!IsSfntVersion(version)) {
    error = "not a font file this program reads: expected " + std::string(kExpectedFontFile);
    return std::nullopt;
  }
  std::uint32_t tables = 0;
  if (!Read(file, face + 4, 2, tables)) {
    error = "the font's table directory is cut short";
    return std::nullopt;
  }
  for (std::uint32_t i = 0; i < tables; ++i) {
    const std::uint64_t record = face + 12 + 16 * std::uint64_t{i};
    std::uint32_t tag = 0, offset = 0, length = 0;
    if (!Read(file, record, 4, tag) || !Read(file, record + 8, 4, offset) || !Read(file, record + 12, 4, length)) {
      error = "the font's table directory is cut short";
      return std::nullopt;
    }
    if (tag != Tag("cmap")) continue;
    if (offset > file.size() || file.size() - offset < length) {
      error = "the font's character map lies past the end of the file";
      return std::nullopt;
    }
    return file.subspan(offset, length);
  }
  error = "the font has no character map ('cmap' table)";
  return std::nullopt;
}

bool ReadFontCoverage(std::span<const std::uint8_t> file, CodePointSet& glyphs, std::string& error) {
  const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
  if (LooksLikeBdf(text)) return ReadBdfCoverage(text, glyphs, error);
  const std::optional<std::span<const std::uint8_t>> table = FindCharacterMapTable(file, error);
  if (!table) return false;
  std::optional<CodePointSet> mapped = ReadCharacterMap(*table);
  if (!mapped) {
    error = "the font's character map has no Unicode subtable it can read";
    return false;
  }
  glyphs = std::move(*mapped);
  return true;
}

}  // namespace hexcribe
