// Fonts' character maps: the subtable formats fonts use, glyph 0 left out, symbol fonts, and tables
// that hold nothing Unicode. (Tables cut anywhere, and the set's order, are the fuzz target's.)
#include "core/character_map.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace hexcribe {
namespace {

using Words = std::vector<std::uint32_t>;  // the table's 16-bit fields in order (a 32-bit one is two)

// A subtable starts with its platform and encoding. Format 4: {first, last, delta} segments; the
// one segment with a fourth field reads its glyph ids from `glyphs`.
Words Format4(std::uint32_t platform, std::uint32_t encoding, const std::vector<Words>& segments,
              const Words& glyphs = {}) {
  const auto n = static_cast<std::uint32_t>(segments.size());
  Words out = {platform, encoding, 4, 0, 0, 2 * n, 0, 0, 0};
  for (const Words& s : segments) out.push_back(s[1]);
  out.push_back(0);  // the pad between ends and starts
  for (std::size_t field : {0u, 2u}) {
    for (const Words& s : segments) out.push_back(s[field]);
  }
  for (std::uint32_t i = 0; i < n; ++i) out.push_back(segments[i].size() > 3 ? 2 * (n - i) : 0);
  out.insert(out.end(), glyphs.begin(), glyphs.end());
  return out;
}

// Formats 12 and 13: {first, last, glyph} groups (the length field, unread, stays 0).
Words Groups(std::uint32_t platform, std::uint32_t encoding, std::uint32_t format, const std::vector<Words>& groups) {
  Words out = {platform, encoding, format, 0, 0, 0, 0, 0, 0, static_cast<std::uint32_t>(groups.size())};
  for (const Words& group : groups) {
    for (std::uint32_t field : group) out.insert(out.end(), {field >> 16, field & 0xFFFF});
  }
  return out;
}

// The table's bytes.
std::vector<std::uint8_t> CharacterMap(const std::vector<Words>& subtables) {
  Words words = {0, static_cast<std::uint32_t>(subtables.size())};
  std::uint32_t offset = 4 + 8 * static_cast<std::uint32_t>(subtables.size());
  for (const Words& s : subtables) {
    words.insert(words.end(), {s[0], s[1], offset >> 16, offset & 0xFFFF});
    offset += 2 * static_cast<std::uint32_t>(s.size() - 2);
  }
  for (const Words& s : subtables) words.insert(words.end(), s.begin() + 2, s.end());
  std::vector<std::uint8_t> bytes;
  for (std::uint32_t word : words) bytes.insert(bytes.end(), {std::uint8_t(word >> 8), std::uint8_t(word)});
  return bytes;
}

// "first-last " per range; "none" without a set.
std::string Show(const std::optional<CodePointSet>& set) {
  std::string out = set ? "" : "none";
  for (const CodePointRange& r : set ? set->ranges() : std::vector<CodePointRange>{}) {
    out.append(std::to_string(r.first)).append("-").append(std::to_string(r.last)).append(" ");
  }
  return out;
}

TEST(CharacterMap, ReadsTheSubtableFormatsFontsUse) {
  const Words end = {0xFFFF, 0xFFFF, 1};  // the closing segment every format 4 table has
  struct Case {
    const char* name;
    std::vector<Words> subtables;
    std::string covered;
  };
  const Case cases[] = {
      {"format 4 by delta", {Format4(3, 1, {{0x20, 0x7E, 0xFFE3}, end})}, "32-126 "},
      // (0x41 + 0xFFBF) mod 65536 is glyph 0: that one code is missing.
      {"format 4, delta lands on glyph 0", {Format4(3, 1, {{0x40, 0x42, 0xFFBF}, end})}, "64-64 66-66 "},
      {"format 4 by glyph ids", {Format4(0, 3, {{0xAC00, 0xAC03, 0, 1}, end}, {5, 0, 7, 8})}, "44032-44032 44034-44035 "},
      {"format 12 beyond the BMP", {Groups(3, 10, 12, {{0x41, 0x42, 3}, {0x1F600, 0x1F64F, 10}})},
       "65-66 128512-128591 "},
      {"format 12, group starting on glyph 0", {Groups(0, 4, 12, {{0x30, 0x39, 0}})}, "49-57 "},
      {"format 13 on glyph 0 covers nothing", {Groups(0, 6, 13, {{0x30, 0x39, 0}, {0x61, 0x62, 4}})}, "97-98 "},
      // A symbol font also draws U+0020..U+00FF with its glyphs at U+F020..U+F0FF.
      {"symbol font", {Format4(3, 0, {{0xF020, 0xF022, 0x1000}, end})}, "32-34 61472-61474 "},
      {"subtables are joined", {Format4(3, 1, {{0x41, 0x41, 1}, end}), Groups(3, 10, 12, {{0x1F600, 0x1F600, 9}})},
       "65-65 128512-128512 "},
      {"a Macintosh subtable, an unknown format", {Groups(1, 0, 12, {{0x41, 0x42, 3}}), Words{3, 1, 8, 0}}, "none"},
      {"no subtable", {}, "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Show(ReadCharacterMap(CharacterMap(c.subtables))), c.covered) << c.name;
}

}  // namespace
}  // namespace hexcribe
