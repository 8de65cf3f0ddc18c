// Fuzz target: a font's character map read from arbitrary bytes, as the platform hands over a
// face's 'cmap' table. Property: the set is sorted, disjoint and inside Unicode, and finds what it holds.
#include <cstdint>
#include <optional>
#include <span>

#include "core/character_map.h"
#include "fuzz_support.h"

using hexcribe::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<hexcribe::CodePointSet> set = hexcribe::ReadCharacterMap(std::span(data, size));
  if (!set) return 0;
  char32_t next = 0;  // the lowest code point a range may start at: sorted, and apart from the one before
  for (const hexcribe::CodePointRange& range : set->ranges()) {
    Check(range.first >= next && range.first <= range.last && range.last <= 0x10FFFF, "ranges out of order or range");
    Check(set->Contains(range.first) && set->Contains(range.last), "a range's ends are not found");
    Check(range.first == 0 || !set->Contains(range.first - 1), "a code point before a range is found");
    next = range.last + 2;
  }
  return 0;
}
