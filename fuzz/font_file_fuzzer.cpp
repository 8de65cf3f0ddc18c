// Fuzz target: a font file from anywhere, as hexcribe-cli --font reads it: a BDF font (text) or an
// OpenType/TrueType font or collection (its table directory, then the character map). Property: an
// error is named, or the set is sorted, disjoint and inside Unicode.
#include <cstdint>
#include <span>
#include <string>

#include "core/font_file.h"
#include "fuzz_support.h"

using hexcribe::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  hexcribe::CodePointSet glyphs;
  std::string error;
  if (!hexcribe::ReadFontCoverage(std::span(data, size), glyphs, error)) {
    Check(!error.empty(), "a font refused without a reason");
    return 0;
  }
  char32_t next = 0;
  for (const hexcribe::CodePointRange& range : glyphs.ranges()) {
    Check(range.first >= next && range.first <= range.last && range.last <= 0x10FFFF, "ranges out of order or range");
    next = range.last + 2;
  }
  return 0;
}
