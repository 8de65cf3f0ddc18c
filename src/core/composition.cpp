// Canonical decomposition, ordering and composition of one stretch of text (Hangul by rule).
#include "core/composition.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/unicode_properties.h"

namespace hexcribe {
namespace {

namespace tables = unicode_tables;

constexpr char32_t kSyllableFirst = 0xAC00;
constexpr char32_t kLeadingFirst = 0x1100;
constexpr char32_t kVowelFirst = 0x1161;
constexpr char32_t kTrailingBase = 0x11A7;  // one before the first trailing consonant: "none"
constexpr char32_t kLeadingCount = 19;
constexpr char32_t kVowelCount = 21;
constexpr char32_t kTrailingCount = 28;
constexpr char32_t kSyllableCount = kLeadingCount * kVowelCount * kTrailingCount;

constexpr std::uint64_t kCodePointMask = (std::uint64_t{1} << 21) - 1;

bool IsSyllable(char32_t cp) { return cp >= kSyllableFirst && cp < kSyllableFirst + kSyllableCount; }

char32_t Field(std::uint64_t entry, int shift) { return static_cast<char32_t>((entry >> shift) & kCodePointMask); }

// The primary composites, made once from the decompositions: first << 42 | second << 21 | composite, sorted.
const std::vector<std::uint64_t>& Compositions() {
  static const std::vector<std::uint64_t> compositions = [] {
    std::vector<std::uint64_t> pairs;
    for (const std::uint64_t entry : tables::kDecompositions) {
      if (entry >> 63) pairs.push_back(std::uint64_t{Field(entry, 21)} << 42 | std::uint64_t{Field(entry, 0)} << 21 | Field(entry, 42));
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
  }();
  return compositions;
}

}  // namespace

char32_t ComposePair(char32_t first, char32_t second) {
  if (first >= kLeadingFirst && first < kLeadingFirst + kLeadingCount && second >= kVowelFirst &&
      second < kVowelFirst + kVowelCount) {
    return kSyllableFirst + ((first - kLeadingFirst) * kVowelCount + (second - kVowelFirst)) * kTrailingCount;
  }
  if (IsSyllable(first) && (first - kSyllableFirst) % kTrailingCount == 0 && second > kTrailingBase &&
      second < kTrailingBase + kTrailingCount) {
    return first + (second - kTrailingBase);
  }
  const std::uint64_t key = (std::uint64_t{first} << 42) | (std::uint64_t{second} << 21);
  const auto& pairs = Compositions();
  const auto found = std::lower_bound(pairs.begin(), pairs.end(), key);
  if (found == pairs.end() || (*found & ~kCodePointMask) != key) return 0;
  return static_cast<char32_t>(*found & kCodePointMask);
}

void SegmentComposer::Decompose(char32_t codePoint, std::uint32_t source) {
  if (IsSyllable(codePoint)) {
    const char32_t index = codePoint - kSyllableFirst;
    items_.push_back({kLeadingFirst + index / (kVowelCount * kTrailingCount), 0, source});
    items_.push_back({kVowelFirst + index % (kVowelCount * kTrailingCount) / kTrailingCount, 0, source});
    if (index % kTrailingCount != 0) items_.push_back({kTrailingBase + index % kTrailingCount, 0, source});
    return;
  }
  const CodePointProperties properties = PropertiesOf(codePoint);
  if (properties.hasDecomposition()) {
    const auto& mappings = tables::kDecompositions;
    const auto found = std::lower_bound(mappings.begin(), mappings.end(), codePoint,
                                        [](std::uint64_t entry, char32_t cp) { return Field(entry, 42) < cp; });
    if (found != mappings.end() && Field(*found, 42) == codePoint) {
      Decompose(Field(*found, 21), source);
      if (const char32_t second = Field(*found, 0); second != 0) Decompose(second, source);
      return;
    }
  }
  items_.push_back({codePoint, properties.combiningClass(), source});
}

// Canonical ordering: each run of characters with a non-zero combining class sorted by class, stably
// (a counting sort: runs may be long, classes are bytes).
void SegmentComposer::Order() {
  for (auto run = items_.begin(); run != items_.end();) {
    const auto end = std::find_if(run, items_.end(), [](const Item& item) { return item.combiningClass == 0; });
    if (end - run > 1) {
      std::array<std::uint32_t, 257> starts{};
      for (auto item = run; item != end; ++item) ++starts[item->combiningClass + 1u];
      for (std::size_t c = 1; c < starts.size(); ++c) starts[c] += starts[c - 1];
      sorted_.resize(static_cast<std::size_t>(end - run));
      for (auto item = run; item != end; ++item) sorted_[starts[item->combiningClass]++] = *item;
      std::copy(sorted_.begin(), sorted_.end(), run);
    }
    run = end == items_.end() ? end : end + 1;
  }
}

void SegmentComposer::Compose(std::span<const char32_t> segment, std::u32string& out, std::span<char32_t> joined) {
  items_.clear();
  for (std::size_t i = 0; i < segment.size(); ++i) Decompose(segment[i], static_cast<std::uint32_t>(i));
  Order();
  std::fill(joined.begin(), joined.end(), 0);

  // Composition: each character joins the last starter when nothing between them blocks it (a
  // character of class 0, or of a class not below its own).
  const std::size_t base = out.size();
  std::size_t starter = SIZE_MAX;  // index in out of the last starter
  std::uint32_t starterSource = 0;
  std::uint8_t lastClass = 0;
  for (const Item& item : items_) {
    const bool adjacent = starter != SIZE_MAX && out.size() - 1 == starter;
    if (starter != SIZE_MAX && (adjacent || (lastClass != 0 && lastClass < item.combiningClass))) {
      if (const char32_t composite = ComposePair(out[starter], item.codePoint); composite != 0) {
        out[starter] = composite;
        if (!joined.empty() && item.source != starterSource) joined[item.source] = static_cast<char32_t>(starter - base + 1);
        continue;
      }
    }
    if (item.combiningClass == 0) {
      starter = out.size();
      starterSource = item.source;
    }
    lastClass = item.combiningClass;
    out.push_back(item.codePoint);
  }
  // joined[] held the starter's position in this segment's output + 1: its character is final only now.
  for (char32_t& entry : joined) {
    if (entry != 0) entry = out[base + entry - 1];
  }
}

}  // namespace hexcribe
