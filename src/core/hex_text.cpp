// Small text helpers: integers rendered in a radix (C runtime _itoa rules) and list joining.
#include "core/hex_text.h"

#include <array>

#include "core/unicode.h"

namespace hexcribe {

namespace {
constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
}  // namespace

std::u16string FormatNumber(std::int32_t value, int radix, int width) {
  if (radix < 2 || radix > 36) return {};

  // Digits, least significant first, into a fixed buffer (32 binary digits + sign).
  std::array<char16_t, 34> buffer{};
  std::size_t length = 0;
  const bool negative = radix == 10 && value < 0;
  std::uint32_t magnitude = negative ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
  const auto base = static_cast<std::uint32_t>(radix);
  do {
    char digit = kDigits[magnitude % base];
    if (radix > 10 && digit >= 'a') digit = static_cast<char>(digit - 'a' + 'A');
    buffer[length++] = static_cast<char16_t>(digit);
    magnitude /= base;
  } while (magnitude != 0);
  if (negative) buffer[length++] = u'-';

  std::u16string text(buffer.rbegin() + static_cast<std::ptrdiff_t>(buffer.size() - length), buffer.rend());
  if (width == -1) return text;
  if (width < 0) return {};

  // Ten zeros in front, then keep the rightmost `width` characters.
  std::u16string padded = u"0000000000" + text;
  const auto keep = static_cast<std::size_t>(width);
  if (keep >= padded.size()) return padded;
  return padded.substr(padded.size() - keep);
}

std::u16string JoinStrings(const std::vector<std::u16string>& items, std::u16string_view separator,
                           const std::optional<std::u16string>& placeholder) {
  std::u16string result;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!items[i].empty()) {
      result += items[i];
    } else if (placeholder) {
      result += *placeholder;
    }
    if (i + 1 != items.size()) result += separator;
  }
  return result;
}

HexPair ByteToHex(std::uint8_t byte) { return {kUpperHexDigits[byte >> 4], kUpperHexDigits[byte & 0x0F]}; }

}  // namespace hexcribe
