// Numbers as hex text: the digit pairs of the command and the stored text, and values in messages.
#include "core/hex_text.h"

#include "core/unicode.h"

namespace hexcribe {

HexPair ByteToHex(std::uint8_t byte) { return {kUpperHexDigits[byte >> 4], kUpperHexDigits[byte & 0x0F]}; }

std::string UpperHex(std::uint32_t value, int minDigits) {
  int digits = 1;
  while (digits < 8 && (value >> (4 * digits)) != 0) ++digits;
  if (digits < minDigits) digits = minDigits;
  std::string text(static_cast<std::size_t>(digits), '0');
  for (auto at = text.rbegin(); value != 0; ++at, value >>= 4) *at = kUpperHexDigits[value & 0xF];
  return text;
}

std::string CodePointName(char32_t codePoint) { return "U+" + UpperHex(codePoint, 4); }

}  // namespace hexcribe
