// UTF-16LE bytes of test text, as the profile files on disk hold them.
#pragma once

#include <string>
#include <string_view>

namespace hexcribe::testing {

// The UTF-16LE bytes of text (no byte-order mark).
inline std::string Utf16LeBytes(std::u16string_view text) {
  std::string bytes;
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

// A UTF-16LE file's bytes: the byte-order mark, then text.
inline std::string Utf16LeFile(std::u16string_view text) { return "\xFF\xFE" + Utf16LeBytes(text); }

}  // namespace hexcribe::testing
