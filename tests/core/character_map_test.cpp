// Fonts' character maps: the subtable formats fonts use, glyph 0 left out, symbol fonts, and
// tables that are cut short or hold nothing Unicode.
#include "core/character_map.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace hexcribe {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value >> 8));
  out.push_back(static_cast<std::uint8_t>(value));
}
void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value >> 16);
  Put16(out, value & 0xFFFF);
}

// A format 4 segment: codes first..last on glyph (code + delta), or on the given glyph ids.
struct Segment {
  std::uint16_t first, last, delta;
  std::vector<std::uint16_t> glyphs;
};
Bytes Format4(const std::vector<Segment>& segments) {
  Bytes out;
  const auto count = static_cast<std::uint32_t>(segments.size());
  for (std::uint32_t field : {4u, 0u, 0u, 2 * count, 0u, 0u, 0u}) Put16(out, field);
  for (const Segment& s : segments) Put16(out, s.last);
  Put16(out, 0);
  for (const Segment& s : segments) Put16(out, s.first);
  for (const Segment& s : segments) Put16(out, s.delta);
  // Each segment's glyph ids follow the range offsets, in segment order.
  std::size_t glyphsBefore = 0;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const std::size_t toArray = 2 * (segments.size() - i) + 2 * glyphsBefore;
    Put16(out, segments[i].glyphs.empty() ? 0 : static_cast<std::uint32_t>(toArray));
    glyphsBefore += segments[i].glyphs.size();
  }
  for (const Segment& s : segments) {
    for (std::uint16_t glyph : s.glyphs) Put16(out, glyph);
  }
  return out;
}

// Formats 12 and 13: groups of first, last, glyph.
Bytes Groups(std::uint16_t format, const std::vector<std::vector<std::uint32_t>>& groups) {
  Bytes out;
  Put16(out, format);
  Put16(out, 0);
  Put32(out, static_cast<std::uint32_t>(16 + 12 * groups.size()));
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(groups.size()));
  for (const auto& group : groups) {
    for (std::uint32_t field : group) Put32(out, field);
  }
  return out;
}

struct Subtable {
  std::uint16_t platform, encoding;
  Bytes bytes;
};
Bytes CharacterMap(const std::vector<Subtable>& subtables) {
  Bytes out;
  Put16(out, 0);
  Put16(out, static_cast<std::uint32_t>(subtables.size()));
  std::uint32_t offset = 4 + 8 * static_cast<std::uint32_t>(subtables.size());
  for (const Subtable& s : subtables) {
    Put16(out, s.platform);
    Put16(out, s.encoding);
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(s.bytes.size());
  }
  for (const Subtable& s : subtables) out.insert(out.end(), s.bytes.begin(), s.bytes.end());
  return out;
}

std::string Show(const std::optional<CodePointSet>& set) {
  if (!set) return "none";
  std::string out;
  for (const CodePointRange& r : set->ranges()) {
    if (!out.empty()) out += ' ';
    out += std::to_string(r.first);
    if (r.first != r.last) out.append("-").append(std::to_string(r.last));
  }
  return out;
}

TEST(CharacterMap, ReadsTheSubtableFormatsFontsUse) {
  const Segment end{0xFFFF, 0xFFFF, 1, {}};  // the closing segment every format 4 table has
  struct Case {
    const char* name;
    Bytes table;
    std::string covered;
  };
  const Case cases[] = {
      {"format 4 by delta", CharacterMap({{3, 1, Format4({{0x20, 0x7E, 0xFFE3, {}}, end})}}), "32-126"},
      // (0x41 + 0xFFBF) mod 65536 is glyph 0: that one code is missing.
      {"format 4, delta lands on glyph 0", CharacterMap({{3, 1, Format4({{0x40, 0x42, 0xFFBF, {}}, end})}}),
       "64 66"},
      {"format 4 by glyph ids", CharacterMap({{0, 3, Format4({{0xAC00, 0xAC03, 0, {5, 0, 7, 8}}, end})}}),
       "44032 44034-44035"},
      {"format 12 beyond the BMP", CharacterMap({{3, 10, Groups(12, {{0x41, 0x42, 3}, {0x1F600, 0x1F64F, 10}})}}),
       "65-66 128512-128591"},
      {"format 12, group starting on glyph 0", CharacterMap({{0, 4, Groups(12, {{0x30, 0x39, 0}})}}), "49-57"},
      {"format 13 on glyph 0 covers nothing", CharacterMap({{0, 6, Groups(13, {{0x30, 0x39, 0}, {0x61, 0x62, 4}})}}),
       "97-98"},
      // A symbol font also draws U+0020..U+00FF with its glyphs at U+F020..U+F0FF.
      {"symbol font", CharacterMap({{3, 0, Format4({{0xF020, 0xF022, 0x1000, {}}, end})}}), "32-34 61472-61474"},
      {"subtables are joined", CharacterMap({{3, 1, Format4({{0x41, 0x41, 1, {}}, end})},
                                             {3, 10, Groups(12, {{0x1F600, 0x1F600, 9}})}}),
       "65 128512"},
      {"only a Macintosh subtable", CharacterMap({{1, 0, Groups(12, {{0x41, 0x42, 3}})}}), "none"},
      {"unknown format", CharacterMap({{3, 1, Bytes{0, 8, 0, 0}}}), "none"},
      {"empty table", Bytes{}, "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Show(ReadCharacterMap(c.table)), c.covered) << c.name;
}

TEST(CharacterMap, NeverReadsPastATableCutShort) {
  const Bytes whole = CharacterMap({{3, 1, Format4({{0x41, 0x43, 0, {1, 2, 3}}, {0xFFFF, 0xFFFF, 1, {}}})},
                                    {3, 10, Groups(12, {{0x1F600, 0x1F64F, 10}})}});
  for (std::size_t size = 0; size < whole.size(); ++size) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    const std::optional<CodePointSet> set = ReadCharacterMap(cut);
    if (set) {
      EXPECT_FALSE(set->Contains(0x1F600)) << size;  // the groups came last: never read whole
    }
  }
  EXPECT_TRUE(ReadCharacterMap(whole)->Contains(0x1F600));
}

TEST(CodePointSet, MergesRangesAndFindsMembers) {
  const CodePointSet set({{0x100, 0x1FF}, {0x41, 0x41}, {0x42, 0x50}, {0x150, 0x250}, {9, 3}});
  EXPECT_EQ(Show(set), "65-80 256-592");
  for (unsigned in : {0x41u, 0x50u, 0x100u, 0x250u}) EXPECT_TRUE(set.Contains(in)) << in;
  for (unsigned out : {0u, 0x40u, 0x51u, 0xFFu, 0x251u, 0x10FFFFu}) EXPECT_FALSE(set.Contains(out)) << out;
}

}  // namespace
}  // namespace hexcribe
