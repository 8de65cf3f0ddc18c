// Small text helpers: integers rendered in a radix (C runtime _itoa rules) and list joining.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hexcribe {

// Renders value in radix (2..36) the way _itoa does: radix 10 shows a minus
// sign, every other radix shows the unsigned 32-bit pattern. Digits above nine
// are upper case when radix > 10. A width other than -1 left-pads with at most
// ten zeros and keeps only the rightmost `width` characters; any width below -1
// (and 0) gives the empty string. An unsupported radix gives the empty string.
std::u16string FormatNumber(std::int32_t value, int radix, int width);

// Joins items with separator between every two neighbours. An empty item is
// replaced by the placeholder when one is given (it may itself be empty).
std::u16string JoinStrings(const std::vector<std::u16string>& items, std::u16string_view separator,
                           const std::optional<std::u16string>& placeholder = std::nullopt);

// The two upper-case hex digits of one byte, as the command and the stored text show it.
struct HexPair {
  char high;
  char low;
};
HexPair ByteToHex(std::uint8_t byte);

}  // namespace hexcribe
