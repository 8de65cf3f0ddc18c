// The hex form in which the last input text is kept in the settings file.
#include "core/stored_text_codec.h"

#include <cstdint>

#include "core/hex_text.h"
#include "core/unicode.h"

namespace hexcribe {

namespace {

bool IsCSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// wcstol(group, nullptr, 16) restricted to one group of four characters.
// A four-character group cannot overflow a 32-bit long.
std::int32_t ParseHexGroup(std::u16string_view group) {
  std::size_t i = 0;
  while (i < group.size() && IsCSpace(group[i])) ++i;
  bool negative = false;
  if (i < group.size() && (group[i] == u'+' || group[i] == u'-')) {
    negative = group[i] == u'-';
    ++i;
  }
  // An optional "0x"/"0X" prefix. When no hex digit follows it, nothing is
  // parsed and the value is 0, exactly as if the "0" alone had been read.
  if (i + 1 < group.size() && group[i] == u'0' && (group[i + 1] == u'x' || group[i + 1] == u'X')) i += 2;
  // The digits up to the first other character: whole pairs, then at most one single digit.
  std::int32_t value = 0;
  for (int pair = 0; i + 1 < group.size() && (pair = ParseHexPair(group[i], group[i + 1])) >= 0; i += 2) {
    value = value * 256 + pair;
  }
  if (const int digit = i < group.size() ? HexDigitValue(group[i]) : -1; digit >= 0) value = value * 16 + digit;
  return negative ? -value : value;
}

}  // namespace

std::u16string EncodeStoredText(std::u16string_view text) {
  std::u16string out(text.size() * 4, u'0');
  std::size_t at = 0;
  for (const char16_t unit : text) {
    for (const auto byte : {static_cast<std::uint8_t>(unit & 0xFF), static_cast<std::uint8_t>(unit >> 8)}) {
      const HexPair pair = ByteToHex(byte);
      out[at++] = static_cast<char16_t>(pair.high);
      out[at++] = static_cast<char16_t>(pair.low);
    }
  }
  return out;
}

std::u16string DecodeStoredText(std::u16string_view stored) {
  std::u16string result;
  result.reserve(stored.size() / 4);
  for (std::size_t at = 0; at + 4 <= stored.size(); at += 4) {
    const auto bits = static_cast<std::uint16_t>(static_cast<std::uint32_t>(ParseHexGroup(stored.substr(at, 4))) & 0xFFFFu);
    const auto unit = static_cast<char16_t>((bits >> 8) | ((bits & 0xFFu) << 8));
    if (unit != 0) result.push_back(unit);
  }
  return result;
}

}  // namespace hexcribe
