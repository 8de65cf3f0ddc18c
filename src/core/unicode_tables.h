// The Unicode data tables the build generates from the Unicode Character Database (tools/unicode_tables):
// their layout, read only by the core's Unicode data and normalization.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace hexcribe::unicode_tables {

// The generated file also defines kUnicodeVersion (core/unicode_data.h).

// Per code point, a property record: kPropertyRecords[kPropertyStage2[kPropertyStage1[cp >> 8] * 256 + (cp & 0xFF)]].
// A record holds the general category (bits 0-4, in GeneralCategory's order), the NFC quick check
// (bits 5-6: 0 yes, 1 no, 2 maybe), whether the code point has a canonical decomposition (bit 7)
// and its canonical combining class (bits 8-15).
extern const std::span<const std::uint8_t> kPropertyStage1;
extern const std::span<const std::uint8_t> kPropertyStage2;
extern const std::span<const std::uint16_t> kPropertyRecords;

// Canonical decompositions, one level, sorted: code point << 42 | first << 21 | second (0 when the
// decomposition is a single code point). Hangul syllables are decomposed by rule.
extern const std::span<const std::uint64_t> kDecompositions;
// Primary composites, sorted: first << 42 | second << 21 | composite.
extern const std::span<const std::uint64_t> kCompositions;

// Names stored word by word. Word number 0 joins the next word with a hyphen instead of a space;
// 1 stands for "-" and the code point in at least four hex digits; w >= 2 is dictionary word
// i = w - 2, kNameWordText from End(i - 1) (0 for i = 0) to End(i), where
// End(i) = kNameWordBases[i / 256] + kNameWordEnds[i].
extern const std::span<const char> kNameWordText;
extern const std::span<const std::uint16_t> kNameWordEnds;
extern const std::span<const std::uint32_t> kNameWordBases;
// Name n is in kNameStream, starting from kNameBlockStarts[n / 32] and skipping the names of the
// block before it. Each name is a byte (how many words it shares with the name before << 4 | how
// many words follow) and its words' numbers: one byte below 0x80, else two (0x80 | high, low).
extern const std::span<const std::uint8_t> kNameStream;
extern const std::span<const std::uint32_t> kNameBlockStarts;
// Runs of code points with stored names: run r starts at kNameRunStarts[r] and holds the names
// kNameRunOrdinals[r] up to (not including) kNameRunOrdinals[r + 1].
extern const std::span<const std::uint32_t> kNameRunStarts;
extern const std::span<const std::uint16_t> kNameRunOrdinals;

// Ranges whose names follow a rule: a prefix and the code point in hex, or (prefix -1) the Hangul
// syllables' names made from the short names of their jamo.
struct NameRange {
  char32_t first;
  char32_t last;
  int prefix;  // index into kNamePrefixes, or -1 for Hangul syllables
};
extern const std::span<const NameRange> kNameRanges;
extern const std::span<const std::string_view> kNamePrefixes;
extern const std::span<const std::string_view> kJamoLeading;
extern const std::span<const std::string_view> kJamoVowel;
extern const std::span<const std::string_view> kJamoTrailing;

}  // namespace hexcribe::unicode_tables
