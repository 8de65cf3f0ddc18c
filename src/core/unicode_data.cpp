// Names, general categories and invisibility of characters, read from the generated Unicode tables.
#include "core/unicode_data.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/hex_text.h"
#include "core/unicode_properties.h"

namespace hexcribe {

namespace {

namespace tables = unicode_tables;

constexpr std::size_t kNamesPerBlock = 32;
constexpr std::uint16_t kHyphenMark = 0;
constexpr std::uint16_t kCodePointMark = 1;
constexpr std::uint16_t kSpaceHyphenMark = 2;
constexpr std::uint16_t kFirstWord = 3;
constexpr std::uint16_t kOneByteWords = 208;
constexpr std::size_t kWordsPerStart = 32;

constexpr char32_t kHangulFirst = 0xAC00;
constexpr std::size_t kVowelCount = 21;
constexpr std::size_t kTrailingCount = 28;

// Code points as names and labels write them: upper-case hex, at least four digits.
std::string Hex(char32_t codePoint) { return UpperHex(codePoint, 4); }

// Appends dictionary word `number`, found from the nearest kept start.
void AppendWord(std::uint16_t number, std::string& out) {
  const std::size_t word = number - kFirstWord;
  std::size_t at = tables::kNameWordStarts[word / kWordsPerStart];
  for (std::size_t skip = word % kWordsPerStart; skip > 0; --skip) {
    while ((tables::kNameWordText[at++] & 0x80) == 0) {
    }
  }
  for (;; ++at) {
    const std::uint8_t letter = tables::kNameWordText[at];
    out += static_cast<char>(letter & 0x7F);
    if (letter & 0x80) return;
  }
}

// Reads the word numbers of one name from the stream at `at`, after the words it shares with the last.
void ReadName(std::size_t& at, std::vector<std::uint16_t>& words) {
  const std::uint8_t head = tables::kNameStream[at++];
  words.resize(std::min<std::size_t>(head >> 4, words.size()));
  for (unsigned n = head & 0xF; n > 0; --n) {
    std::uint16_t value = tables::kNameStream[at++];
    if (value >= kOneByteWords) {
      value = static_cast<std::uint16_t>(kOneByteWords + ((value - kOneByteWords) << 8) + tables::kNameStream[at++]);
    }
    words.push_back(value);
  }
}

// The stored name with number `ordinal`.
std::string StoredName(std::size_t ordinal, char32_t codePoint) {
  std::size_t at = tables::kNameBlockStarts[ordinal / kNamesPerBlock];
  std::vector<std::uint16_t> words;
  for (std::size_t n = ordinal - ordinal % kNamesPerBlock; n <= ordinal; ++n) ReadName(at, words);
  std::string name;
  std::string_view glue;
  for (const std::uint16_t word : words) {
    if (word == kHyphenMark) {
      glue = "-";
    } else if (word == kSpaceHyphenMark) {
      glue = " -";
    } else if (word == kCodePointMark) {
      name += '-';
      name += Hex(codePoint);
    } else {
      name += glue;
      AppendWord(word, name);
      glue = " ";
    }
  }
  return name;
}

std::string HangulSyllableName(char32_t codePoint) {
  const std::size_t index = codePoint - kHangulFirst;
  std::string name = "HANGUL SYLLABLE ";
  name += tables::kJamoLeading[index / (kVowelCount * kTrailingCount)];
  name += tables::kJamoVowel[index % (kVowelCount * kTrailingCount) / kTrailingCount];
  name += tables::kJamoTrailing[index % kTrailingCount];
  return name;
}

bool IsNoncharacter(char32_t codePoint) {
  return (codePoint >= 0xFDD0 && codePoint <= 0xFDEF) || (codePoint & 0xFFFE) == 0xFFFE;
}

}  // namespace

GeneralCategory CategoryOf(char32_t codePoint) { return PropertiesOf(codePoint).category(); }

std::string_view CategoryAbbreviation(GeneralCategory category) {
  static constexpr std::array<std::string_view, 30> kAbbreviations = {
      "Lu", "Ll", "Lt", "Lm", "Lo", "Mn", "Mc", "Me", "Nd", "Nl", "No", "Pc", "Pd", "Ps", "Pe",
      "Pi", "Pf", "Po", "Sm", "Sc", "Sk", "So", "Zs", "Zl", "Zp", "Cc", "Cf", "Cs", "Co", "Cn"};
  return kAbbreviations[static_cast<std::size_t>(category)];
}

std::string CharacterName(char32_t codePoint) {
  if (codePoint > kLastCodePoint) return {};
  for (const tables::NameRange& range : tables::kNameRanges) {
    if (codePoint < range.first || codePoint > range.last) continue;
    if (range.prefix < 0) return HangulSyllableName(codePoint);
    return std::string(tables::kNamePrefixes[static_cast<std::size_t>(range.prefix)]) + Hex(codePoint);
  }
  const auto& starts = tables::kNameRunStarts;
  const auto after = std::upper_bound(starts.begin(), starts.end(), static_cast<std::uint32_t>(codePoint));
  if (after == starts.begin()) return {};
  const std::size_t run = static_cast<std::size_t>(after - starts.begin()) - 1;
  const std::size_t ordinal = tables::kNameRunOrdinals[run] + (codePoint - starts[run]);
  if (ordinal >= tables::kNameRunOrdinals[run + 1]) return {};
  return StoredName(ordinal, codePoint);
}

std::string CharacterNameOrLabel(char32_t codePoint) {
  std::string name = CharacterName(codePoint);
  if (!name.empty()) return name;
  std::string_view kind = "<reserved-";
  if (codePoint > kLastCodePoint) kind = "<not-a-character-";
  else if (CategoryOf(codePoint) == GeneralCategory::kCs) kind = "<surrogate-";
  else if (CategoryOf(codePoint) == GeneralCategory::kCo) kind = "<private-use-";
  else if (IsNoncharacter(codePoint)) kind = "<noncharacter-";
  name = kind;
  name += Hex(codePoint);
  name += '>';
  return name;
}

bool IsInvisible(char32_t codePoint) {
  switch (CategoryOf(codePoint)) {
    case GeneralCategory::kCf:
    case GeneralCategory::kZl:
    case GeneralCategory::kZp: return true;
    case GeneralCategory::kCc: return codePoint != U'\t' && codePoint != U'\n' && codePoint != U'\r';
    default: break;
  }
  return (codePoint >= 0xFE00 && codePoint <= 0xFE0F) || (codePoint >= 0xE0100 && codePoint <= 0xE01EF);
}

}  // namespace hexcribe
