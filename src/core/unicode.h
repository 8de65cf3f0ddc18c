// Code-unit helpers shared by every text conversion: surrogate pairs, hex digits, ASCII case.
#pragma once

#include <cstdint>
#include <string_view>

namespace hexcribe {

constexpr bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
constexpr bool IsSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

// The code point of a high and a low surrogate.
constexpr char32_t CombineSurrogates(char32_t high, char32_t low) {
  return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

// The high and the low surrogate of a code point above U+FFFF.
constexpr char16_t HighSurrogateOf(char32_t cp) { return static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)); }
constexpr char16_t LowSurrogateOf(char32_t cp) { return static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)); }

// Upper-case hex digits by value, as the command and the stored text write them.
inline constexpr std::string_view kUpperHexDigits = "0123456789ABCDEF";

// The value of one hex digit of either case, -1 for any other character.
constexpr int HexDigitValue(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a') + 10;
  if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A') + 10;
  return -1;
}

// The byte a pair of hex digits of either case stands for, high digit first; -1 when either
// character is not a hex digit.
constexpr int ParseHexPair(char32_t high, char32_t low) {
  const int h = HexDigitValue(high);
  const int l = HexDigitValue(low);
  return h < 0 || l < 0 ? -1 : h * 16 + l;
}

// A..Z to a..z; every other unit as it is.
constexpr char16_t FoldAscii(char16_t unit) {
  return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + (u'a' - u'A')) : unit;
}

}  // namespace hexcribe
