// Fuzz target: DecodeStoredText on arbitrary (hand-edited or damaged) stored values, checked against wcstol.
#include <cstdint>
#include <cwchar>
#include <string>

#include "core/stored_text_codec.h"
#include "fuzz_support.h"

namespace {

// Each group of four characters through the C library's own wcstol (the rule
// the stored form is defined by): low 16 bits, bytes swapped, zero dropped.
std::u16string ReferenceDecode(const std::u16string& stored) {
  std::u16string out;
  for (std::size_t at = 0; at + 4 <= stored.size(); at += 4) {
    wchar_t group[5] = {};
    for (std::size_t i = 0; i < 4; ++i) group[i] = static_cast<wchar_t>(stored[at + i]);
    const auto bits = static_cast<unsigned long>(std::wcstol(group, nullptr, 16)) & 0xFFFFu;
    const auto unit = static_cast<char16_t>((bits >> 8) | ((bits & 0xFFu) << 8));
    if (unit != 0) out.push_back(unit);
  }
  return out;
}

}  // namespace

// Byte 0 chooses how the rest becomes text: odd = every byte one character
// (dense in hex digits, signs and spaces), even = UTF-16LE units (any character).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hexcribe;
  if (size < 1) return 0;
  const std::u16string stored =
      (data[0] & 1) != 0 ? fuzz::WidenBytes(data + 1, size - 1) : fuzz::UnitsFromBytes(data + 1, size - 1);

  const std::u16string text = DecodeStoredText(stored);
  fuzz::Check(text.size() <= stored.size() / 4, "more units than complete groups");
  fuzz::Check(text.find(u'\0') == std::u16string::npos, "a zero unit was kept");
  fuzz::Check(text == ReferenceDecode(stored), "DecodeStoredText differs from wcstol");
  return 0;
}
