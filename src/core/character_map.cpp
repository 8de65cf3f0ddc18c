// Reading a font's 'cmap' table into the set of code points it has glyphs for.
#include "core/character_map.h"

#include <algorithm>
#include <set>

namespace hexcribe {
namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;

// Big-endian reads that report a read past the end instead of making it.
class Bytes {
 public:
  explicit Bytes(std::span<const std::uint8_t> data) : data_(data) {}

  bool U8(std::size_t offset, std::uint32_t& value) const {
    if (offset >= data_.size()) return false;
    value = data_[offset];
    return true;
  }
  bool U16(std::size_t offset, std::uint32_t& value) const {
    if (offset > data_.size() || data_.size() - offset < 2) return false;
    value = (std::uint32_t{data_[offset]} << 8) | data_[offset + 1];
    return true;
  }
  bool U32(std::size_t offset, std::uint32_t& value) const {
    std::uint32_t high = 0;
    std::uint32_t low = 0;
    if (!U16(offset, high) || !U16(offset + 2, low)) return false;
    value = (high << 16) | low;
    return true;
  }
  std::size_t size() const { return data_.size(); }

 private:
  std::span<const std::uint8_t> data_;
};

// Collects code points and ranges in any order.
class Collector {
 public:
  void Add(char32_t codePoint) { AddRange(codePoint, codePoint); }
  void AddRange(char32_t first, char32_t last) {
    if (first > kLastCodePoint || first > last) return;
    last = std::min(last, kLastCodePoint);
    if (!ranges_.empty() && ranges_.back().last + 1 == first) {
      ranges_.back().last = last;
    } else {
      ranges_.push_back({first, last});
    }
  }
  std::vector<CodePointRange> Take() { return std::move(ranges_); }

 private:
  std::vector<CodePointRange> ranges_;
};

// Each reader gives false when the subtable is cut short or malformed; what it
// collected before stays (a later good subtable may still cover the font).

bool ReadFormat0(const Bytes& bytes, std::size_t at, Collector& out) {
  // One byte of glyph id per code 0..255.
  for (std::uint32_t code = 0; code < 256; ++code) {
    std::uint32_t glyph = 0;
    if (!bytes.U8(at + 6 + code, glyph)) return false;
    if (glyph != 0) out.Add(code);
  }
  return true;
}

bool ReadFormat4(const Bytes& bytes, std::size_t at, Collector& out) {
  std::uint32_t segCountX2 = 0;
  if (!bytes.U16(at + 6, segCountX2) || segCountX2 % 2 != 0) return false;
  const std::size_t segments = segCountX2 / 2;
  const std::size_t ends = at + 14;
  const std::size_t starts = ends + segCountX2 + 2;  // after the reserved pad
  const std::size_t deltas = starts + segCountX2;
  const std::size_t rangeOffsets = deltas + segCountX2;
  // Segments come sorted; one that overlaps an earlier one is skipped, which
  // bounds the work by the 65,536 code points of the plane whatever the table says.
  std::int64_t previousEnd = -1;
  for (std::size_t i = 0; i < segments; ++i) {
    std::uint32_t end = 0, start = 0, delta = 0, rangeOffset = 0;
    if (!bytes.U16(ends + 2 * i, end) || !bytes.U16(starts + 2 * i, start) || !bytes.U16(deltas + 2 * i, delta) ||
        !bytes.U16(rangeOffsets + 2 * i, rangeOffset)) {
      return false;
    }
    if (start > end || static_cast<std::int64_t>(start) <= previousEnd) continue;
    previousEnd = end;
    if (rangeOffset == 0) {
      // Glyph (code + delta) mod 65536: only one code can land on glyph 0.
      const std::uint32_t missing = (0x10000 - delta) & 0xFFFF;
      if (missing < start || missing > end) {
        out.AddRange(start, end);
      } else {
        if (missing > start) out.AddRange(start, missing - 1);
        if (missing < end) out.AddRange(missing + 1, end);
      }
      continue;
    }
    // The glyph ids sit rangeOffset bytes past this segment's own rangeOffset field.
    const std::size_t glyphs = rangeOffsets + 2 * i + rangeOffset;
    for (std::uint32_t code = start; code <= end; ++code) {
      std::uint32_t glyph = 0;
      if (!bytes.U16(glyphs + 2 * (code - start), glyph)) return false;
      if (glyph != 0 && ((glyph + delta) & 0xFFFF) != 0) out.Add(code);
    }
  }
  return true;
}

// Formats 6 (16-bit fields) and 10 (32-bit fields): one glyph id per code from a first code on.
bool ReadTrimmedArray(const Bytes& bytes, std::size_t at, bool wide, Collector& out) {
  std::uint32_t first = 0, count = 0;
  const bool read = wide ? bytes.U32(at + 12, first) && bytes.U32(at + 16, count)
                         : bytes.U16(at + 6, first) && bytes.U16(at + 8, count);
  if (!read) return false;
  const std::size_t glyphs = at + (wide ? 20 : 10);
  if (glyphs > bytes.size() || (bytes.size() - glyphs) / 2 < count) return false;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t glyph = 0;
    bytes.U16(glyphs + 2 * i, glyph);
    if (glyph != 0 && first + i <= kLastCodePoint) out.Add(first + i);
  }
  return true;
}

// Formats 12 (consecutive glyphs) and 13 (one glyph for the whole group).
bool ReadGroups(const Bytes& bytes, std::size_t at, bool sameGlyph, Collector& out) {
  std::uint32_t count = 0;
  if (!bytes.U32(at + 12, count)) return false;
  const std::size_t groups = at + 16;
  if (groups > bytes.size() || (bytes.size() - groups) / 12 < count) return false;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t first = 0, last = 0, glyph = 0;
    bytes.U32(groups + 12 * i, first);
    bytes.U32(groups + 12 * i + 4, last);
    bytes.U32(groups + 12 * i + 8, glyph);
    if (glyph == 0) {
      if (sameGlyph || first == last) continue;
      ++first;  // only the group's first code is on glyph 0
    }
    out.AddRange(first, last);
  }
  return true;
}

bool ReadSubtable(const Bytes& bytes, std::size_t at, Collector& out) {
  std::uint32_t format = 0;
  if (!bytes.U16(at, format)) return false;
  switch (format) {
    case 0: return ReadFormat0(bytes, at, out);
    case 4: return ReadFormat4(bytes, at, out);
    case 6: return ReadTrimmedArray(bytes, at, false, out);
    case 10: return ReadTrimmedArray(bytes, at, true, out);
    case 12: return ReadGroups(bytes, at, false, out);
    case 13: return ReadGroups(bytes, at, true, out);
    default: return false;
  }
}

enum class Encoding { kUnicode, kSymbol, kOther };

Encoding EncodingOf(std::uint32_t platform, std::uint32_t encoding) {
  if (platform == 0) return Encoding::kUnicode;
  if (platform == 3 && (encoding == 1 || encoding == 10)) return Encoding::kUnicode;
  if (platform == 3 && encoding == 0) return Encoding::kSymbol;
  return Encoding::kOther;  // Macintosh scripts and legacy East Asian code pages
}

}  // namespace

CodePointSet::CodePointSet(std::vector<CodePointRange> ranges) {
  std::erase_if(ranges, [](const CodePointRange& r) { return r.last < r.first; });
  std::sort(ranges.begin(), ranges.end(),
            [](const CodePointRange& a, const CodePointRange& b) { return a.first < b.first; });
  for (const CodePointRange& range : ranges) {
    if (!ranges_.empty() && range.first <= ranges_.back().last + 1) {
      ranges_.back().last = std::max(ranges_.back().last, range.last);
    } else {
      ranges_.push_back(range);
    }
  }
}

bool CodePointSet::Contains(char32_t codePoint) const {
  // The first range starting after the code point; the one before it may hold it.
  auto after = std::upper_bound(ranges_.begin(), ranges_.end(), codePoint,
                                [](char32_t cp, const CodePointRange& r) { return cp < r.first; });
  return after != ranges_.begin() && codePoint <= std::prev(after)->last;
}

std::optional<CodePointSet> ReadCharacterMap(std::span<const std::uint8_t> table) {
  const Bytes bytes(table);
  std::uint32_t count = 0;
  if (!bytes.U16(2, count)) return std::nullopt;
  Collector unicode;
  Collector symbol;
  bool readAny = false;
  std::set<std::uint32_t> seen;  // fonts often point several records at one subtable
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t platform = 0, encoding = 0, offset = 0;
    if (!bytes.U16(4 + 8 * i, platform) || !bytes.U16(6 + 8 * i, encoding) || !bytes.U32(8 + 8 * i, offset)) break;
    const Encoding kind = EncodingOf(platform, encoding);
    if (kind == Encoding::kOther || !seen.insert(offset).second) continue;
    if (ReadSubtable(bytes, offset, kind == Encoding::kSymbol ? symbol : unicode)) readAny = true;
  }
  if (!readAny) return std::nullopt;
  std::vector<CodePointRange> ranges = unicode.Take();
  for (const CodePointRange& range : symbol.Take()) {
    ranges.push_back(range);
    // Windows shows U+0020..U+00FF in a symbol font with the glyphs at U+F020..U+F0FF.
    const char32_t first = std::max<char32_t>(range.first, 0xF020);
    const char32_t last = std::min<char32_t>(range.last, 0xF0FF);
    if (first <= last) ranges.push_back({first - 0xF000, last - 0xF000});
  }
  return CodePointSet(std::move(ranges));
}

}  // namespace hexcribe
