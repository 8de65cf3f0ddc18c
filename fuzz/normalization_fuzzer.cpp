// Fuzz target: NFC and the text checks on arbitrary UTF-16 (lone surrogates, long runs of marks).
// Properties: NFC is idempotent and IsNfc agrees with it; checking the text in two pieces finds
// what checking it whole finds.
#include <cstdint>
#include <string>

#include "core/normalization.h"
#include "core/text_checks.h"
#include "fuzz_support.h"

using hexcribe::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hexcribe;
  if (size < 1) return 0;
  const std::u16string text = fuzz::UnitsFromBytes(data + 1, size - 1);
  const std::u16string nfc = ToNfc(text);
  Check(ToNfc(nfc) == nfc, "NFC of NFC text changed it");
  Check(IsNfc(nfc), "NFC text not found in NFC");
  Check(IsNfc(text) == (nfc == text), "IsNfc disagrees with ToNfc");

  std::size_t cut = text.empty() ? 0 : data[0] % (text.size() + 1);
  if (cut > 0 && cut < text.size() && text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) --cut;  // never inside a pair
  TextChecker whole(nullptr, true), split(nullptr, true);
  whole.Add(text);
  whole.Finish();
  split.Add(std::u16string_view(text).substr(0, cut));
  split.Add(std::u16string_view(text).substr(cut));
  split.Finish();
  Check(whole.checked().size() == split.checked().size(), "pieces change the characters");
  for (std::size_t i = 0; i < whole.checked().size(); ++i) {
    const CheckedCharacter& a = whole.checked()[i];
    const CheckedCharacter& b = split.checked()[i];
    Check(a.findings == b.findings && a.composed == b.composed && a.offset == b.offset, "pieces change a finding");
  }
  return 0;
}
