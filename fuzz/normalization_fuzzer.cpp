// Fuzz target: NFC and the text checks on arbitrary UTF-16 (lone surrogates, long runs of marks).
// Properties: NFC is idempotent and IsNfc agrees with it; checking the text in two pieces, listing
// only findings, finds what checking it whole finds.
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
  // The split checker lists only the characters with findings: its shortcuts must find the same.
  TextChecker whole(nullptr, true), split(nullptr, false);
  whole.Add(text);
  whole.Finish();
  split.Add(std::u16string_view(text).substr(0, cut));
  split.Add(std::u16string_view(text).substr(cut));
  split.Finish();
  std::size_t next = 0;
  for (const CheckedCharacter& a : whole.checked()) {
    if (a.findings == 0) continue;
    Check(next < split.checked().size(), "pieces lose a finding");
    const CheckedCharacter& b = split.checked()[next++];
    Check(a.index == b.index && a.findings == b.findings && a.composed == b.composed && a.offset == b.offset,
          "pieces change a finding");
  }
  Check(next == split.checked().size(), "pieces add a finding");
  return 0;
}
