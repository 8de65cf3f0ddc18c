// Differential fuzz target: EncodeStoredText against a plain reference, and the encode/decode round trip.
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/stored_text_codec.h"
#include "fuzz_support.h"

namespace {

// Four upper-case hex digits per unit, low byte first, the slow and obvious way.
std::u16string ReferenceEncode(const std::u16string& text) {
  std::u16string out;
  for (const char16_t unit : text) {
    char digits[5];
    std::snprintf(digits, sizeof digits, "%02X%02X", unit & 0xFFu, static_cast<unsigned>(unit) >> 8);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char16_t>(digits[i]));
  }
  return out;
}

std::u16string WithoutZeroUnits(const std::u16string& text) {
  std::u16string out;
  for (const char16_t unit : text) {
    if (unit != 0) out.push_back(unit);
  }
  return out;
}

std::u16string Lowered(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'F') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

}  // namespace

// The whole input is UTF-16LE text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hexcribe;
  const std::u16string text = fuzz::UnitsFromBytes(data, size);
  const std::u16string stored = EncodeStoredText(text);
  fuzz::Check(stored == ReferenceEncode(text), "EncodeStoredText differs from the reference");

  // Saved text comes back unchanged, except for U+0000 units, which the stored
  // form cannot carry; lower-case digits (a hand edit) decode the same.
  const std::u16string expected = WithoutZeroUnits(text);
  fuzz::Check(DecodeStoredText(stored) == expected, "decode(encode(text)) lost or changed units");
  fuzz::Check(DecodeStoredText(Lowered(stored)) == expected, "lower-case digits decode differently");
  return 0;
}
