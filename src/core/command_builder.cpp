// Builds the LCD print command (or the bare hex numbers) from UTF-16 text.
// Runs on every keystroke, so it writes straight into a pre-sized buffer.
#include "core/command_builder.h"

#include <array>
#include <cstring>

#include "core/unicode.h"

namespace hexcribe {

namespace {

// "00".."FF" as 512 consecutive characters: byte b's digits start at 2*b.
constexpr std::array<char, 512> MakeHexTable() {
  std::array<char, 512> table{};
  for (std::size_t b = 0; b < 256; ++b) {
    table[2 * b] = kUpperHexDigits[b >> 4];
    table[2 * b + 1] = kUpperHexDigits[b & 0x0F];
  }
  return table;
}
constexpr std::array<char, 512> kHexTable = MakeHexTable();

inline char* PutByte(char* at, unsigned byte) {
  std::memcpy(at, &kHexTable[2 * byte], 2);
  return at + 2;
}

}  // namespace

void AppendCommand(std::string& out, std::u16string_view text, Separator separator, bool wholeCommand) {
  const char sep = SeparatorInfoOf(separator).character;
  const std::size_t byteCount = text.size() * 2;
  const std::size_t separatorCount = byteCount == 0 || sep == '\0' ? 0 : byteCount - 1;
  const std::size_t numbersSize = byteCount * 2 + separatorCount;
  const std::size_t wrapperSize = wholeCommand ? kCommandPrefix.size() + kCommandSuffix.size() : 0;

  const std::size_t start = out.size();
  out.resize(start + numbersSize + wrapperSize);
  char* at = out.data() + start;

  if (wholeCommand) {
    std::memcpy(at, kCommandPrefix.data(), kCommandPrefix.size());
    at += kCommandPrefix.size();
  }
  if (!text.empty()) {
    at = PutByte(at, text[0] & 0xFFu);
    if (sep == '\0') {
      at = PutByte(at, static_cast<unsigned>(text[0] >> 8));
      for (std::size_t i = 1; i < text.size(); ++i) {
        at = PutByte(at, text[i] & 0xFFu);
        at = PutByte(at, static_cast<unsigned>(text[i] >> 8));
      }
    } else {
      *at++ = sep;
      at = PutByte(at, static_cast<unsigned>(text[0] >> 8));
      for (std::size_t i = 1; i < text.size(); ++i) {
        *at++ = sep;
        at = PutByte(at, text[i] & 0xFFu);
        *at++ = sep;
        at = PutByte(at, static_cast<unsigned>(text[i] >> 8));
      }
    }
  }
  if (wholeCommand) {
    std::memcpy(at, kCommandSuffix.data(), kCommandSuffix.size());
  }
}

std::string BuildCommand(std::u16string_view text, Separator separator, bool wholeCommand) {
  std::string out;
  AppendCommand(out, text, separator, wholeCommand);
  return out;
}

}  // namespace hexcribe
