// Differential fuzz target: BuildCommand and AppendCommand against a plain reference built here.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/command_builder.h"
#include "fuzz_support.h"

namespace {

// The command exactly as described for users, written the slow and obvious way (the separator's
// text is the table's: what is checked here is how the numbers are made and joined).
std::string ReferenceCommand(const std::u16string& text, hexcribe::Separator separatorChoice, bool wholeCommand) {
  const std::string separator(hexcribe::SeparatorText(separatorChoice));

  std::vector<std::string> numbers;
  for (const char16_t unit : text) {
    for (const unsigned byte : {unit & 0xFFu, static_cast<unsigned>(unit) >> 8}) {
      char digits[3];
      std::snprintf(digits, sizeof digits, "%02X", byte);
      numbers.emplace_back(digits);
    }
  }
  std::string joined;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) joined += separator;
    joined += numbers[i];
  }
  return wholeCommand ? "Print 'U::" + joined + "';" : joined;
}

}  // namespace

// Layout: byte 0 the separator index (as a signed byte, so -1 and out-of-range
// indices occur), byte 1 bit 0 the whole-command flag, the rest UTF-16LE text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hexcribe;
  if (size < 2) return 0;
  const Separator choice = SeparatorAtListIndex(static_cast<std::int8_t>(data[0]));
  const bool whole = (data[1] & 1) != 0;
  const std::u16string text = fuzz::UnitsFromBytes(data + 2, size - 2);

  const std::string expected = ReferenceCommand(text, choice, whole);
  fuzz::Check(BuildCommand(text, choice, whole) == expected, "BuildCommand differs from the reference");

  // AppendCommand must append after what the buffer already holds.
  std::string buffer = "keep";
  AppendCommand(buffer, text, choice, whole);
  fuzz::Check(buffer == "keep" + expected, "AppendCommand did not append the reference command");
  return 0;
}
