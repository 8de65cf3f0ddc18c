// Per-code-point properties read from the generated Unicode tables: the core's own fast access.
#pragma once

#include <cstdint>

#include "core/unicode_data.h"
#include "core/unicode_tables.h"

namespace hexcribe {

inline constexpr char32_t kLastCodePoint = 0x10FFFF;

// NFC quick check values: whether a character may appear unchanged in NFC text.
enum class NfcQuickCheck : std::uint8_t { kYes, kNo, kMaybe };

class CodePointProperties {
 public:
  explicit constexpr CodePointProperties(std::uint16_t bits) : bits_(bits) {}
  GeneralCategory category() const { return static_cast<GeneralCategory>(bits_ & 0x1F); }
  NfcQuickCheck nfcQuickCheck() const { return static_cast<NfcQuickCheck>((bits_ >> 5) & 3); }
  bool hasDecomposition() const { return (bits_ & 0x80) != 0; }
  std::uint8_t combiningClass() const { return static_cast<std::uint8_t>(bits_ >> 8); }
  // Starts a stretch that NFC handles on its own: nothing before it composes with it or moves past it.
  bool stable() const { return (bits_ & 0xFF60) == 0; }

 private:
  std::uint16_t bits_;
};

// The record numbers of the 32 code points from (codePoint & ~31) on (codePoint at most U+10FFFF).
// Neighbouring characters of a text often share theirs: loops keep it to skip two of four loads.
inline const std::uint8_t* PropertyPiece(char32_t codePoint) {
  namespace tables = unicode_tables;
  const std::size_t piece = tables::kPropertyStage2[8 * std::size_t{tables::kPropertyStage1[codePoint >> 8]} + (codePoint >> 5 & 7)];
  return &tables::kPropertyStage3[32 * piece];
}

inline CodePointProperties PropertiesIn(const std::uint8_t* piece, char32_t codePoint) {
  return CodePointProperties(unicode_tables::kPropertyRecords[piece[codePoint & 31]]);
}

inline CodePointProperties PropertiesOf(char32_t codePoint) {
  if (codePoint > kLastCodePoint) return CodePointProperties(static_cast<std::uint16_t>(GeneralCategory::kCn));
  return PropertiesIn(PropertyPiece(codePoint), codePoint);
}

}  // namespace hexcribe
