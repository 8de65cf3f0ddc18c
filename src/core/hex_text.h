// Numbers as hex text: the digit pairs of the command and the stored text, and values in messages.
#pragma once

#include <cstdint>
#include <string>

namespace hexcribe {

// The two upper-case hex digits of one byte, as the command and the stored text show it.
struct HexPair {
  char high;
  char low;
};
HexPair ByteToHex(std::uint8_t byte);

// value in upper-case hex digits, left-padded with zeros to at least minDigits: 0x1F600 with 4
// gives "1F600", 0x41 with 2 gives "41".
std::string UpperHex(std::uint32_t value, int minDigits);

// A code point as messages name it: "U+0041", "U+1F600".
std::string CodePointName(char32_t codePoint);

}  // namespace hexcribe
