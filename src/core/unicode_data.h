// Character properties from the Unicode Character Database: names, general categories, and the
// combining data normalization needs. The tables are generated at build time from the database.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hexcribe {

// The Unicode version the data comes from, e.g. "15.0.0".
extern const std::string_view kUnicodeVersion;

// The general categories, in the database's order of listing them.
enum class GeneralCategory : std::uint8_t {
  kLu, kLl, kLt, kLm, kLo,       // letters
  kMn, kMc, kMe,                 // marks
  kNd, kNl, kNo,                 // numbers
  kPc, kPd, kPs, kPe, kPi, kPf, kPo,  // punctuation
  kSm, kSc, kSk, kSo,            // symbols
  kZs, kZl, kZp,                 // separators
  kCc, kCf, kCs, kCo, kCn,       // control, format, surrogate, private use, unassigned
};

GeneralCategory CategoryOf(char32_t codePoint);

// The category's two-letter abbreviation, "Lu" ... "Cn".
std::string_view CategoryAbbreviation(GeneralCategory category);

// The character's name as the database writes it ("LATIN SMALL LETTER E", "ZERO WIDTH SPACE",
// "HANGUL SYLLABLE GA", "CJK UNIFIED IDEOGRAPH-4E00"). Control characters, which have no name of
// their own, get their control alias ("CHARACTER TABULATION", "NULL"). "" for surrogates, private
// use, noncharacters and unassigned code points, and for values above U+10FFFF.
std::string CharacterName(char32_t codePoint);

// The name, or where there is none the code point's label in angle brackets as Unicode writes it:
// "<surrogate-D800>", "<private-use-E000>", "<noncharacter-FFFE>", "<reserved-0378>".
std::string CharacterNameOrLabel(char32_t codePoint);

// Invisible in text: format characters (category Cf), variation selectors, the line and paragraph
// separators, and control characters other than tab, line feed and carriage return.
bool IsInvisible(char32_t codePoint);

}  // namespace hexcribe
