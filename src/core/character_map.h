// The code points a font has glyphs for, read from the font's own character map (its 'cmap' table).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace hexcribe {

struct CodePointRange {
  char32_t first;
  char32_t last;  // inclusive
};

// A set of code points held as sorted, disjoint ranges; lookups are binary searches.
class CodePointSet {
 public:
  CodePointSet() = default;
  // Any ranges in any order; overlapping and touching ones are merged, and a
  // range whose last code point comes before its first is ignored.
  explicit CodePointSet(std::vector<CodePointRange> ranges);

  bool Contains(char32_t codePoint) const;
  const std::vector<CodePointRange>& ranges() const { return ranges_; }

 private:
  std::vector<CodePointRange> ranges_;
};

// The code points that the character map `table` (the bytes of an OpenType or
// TrueType 'cmap' table) maps to a glyph other than the missing-glyph glyph 0.
// Every Unicode subtable of formats 0, 4, 6, 10, 12 and 13 counts; a symbol
// subtable also covers U+0020..U+00FF where it maps U+F020..U+F0FF, as Windows
// draws text in a symbol font. nullopt when the table holds no such subtable
// that can be read; reads never leave the table, whatever its bytes.
std::optional<CodePointSet> ReadCharacterMap(std::span<const std::uint8_t> table);

}  // namespace hexcribe
