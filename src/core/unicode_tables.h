// The Unicode data tables the build generates from the Unicode Character Database (tools/unicode_tables):
// their layout, read only by the core's Unicode data and normalization.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace hexcribe::unicode_tables {

// The generated file also defines kUnicodeVersion (core/unicode_data.h).

// Per code point, a property record: kPropertyRecords[kPropertyStage3[32 * kPropertyStage2[8 *
// kPropertyStage1[cp >> 8] + (cp >> 5 & 7)] + (cp & 31)]]. A record holds the general category
// (bits 0-4, in GeneralCategory's order), the NFC quick check (bits 5-6: 0 yes, 1 no, 2 maybe),
// whether the code point has a canonical decomposition (bit 7) and its canonical combining class
// (bits 8-15).
extern const std::uint8_t kPropertyStage1[];
extern const std::uint16_t kPropertyStage2[];
extern const std::uint8_t kPropertyStage3[];
extern const std::uint16_t kPropertyRecords[];

// Canonical decompositions, one level, sorted by code point: primary << 63 | code point << 42 |
// first << 21 | second (0 when the decomposition is a single code point), where primary marks the
// primary composites, which NFC composes back. Hangul syllables are decomposed by rule.
extern const std::span<const std::uint64_t> kDecompositions;

// Names stored word by word. Word numbers 0 to 2 are marks: the next word follows a hyphen (0) or a
// space and a hyphen (2) instead of a space; 1 stands for "-" and the code point in at least four
// hex digits. Number w >= 3 is dictionary word w - 3. The dictionary's words lie one after the
// other in kNameWordText, the last letter of each with its high bit set; word i is found from the
// start of word i - i % 32, kNameWordStarts[i / 32].
extern const std::span<const std::uint8_t> kNameWordText;
extern const std::span<const std::uint16_t> kNameWordStarts;
// Name n is in kNameStream, starting from kNameBlockStarts[n / 32] and skipping the names of the
// block before it. Each name is a byte (how many words it shares with the name before << 4 | how
// many words follow) and its words' numbers: one byte below 208, else two (208 + (w - 208) / 256,
// (w - 208) % 256).
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
