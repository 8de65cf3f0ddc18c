// Fuzz target: the command-line tool's decoder of print commands, on arbitrary bytes and on
// commands built from arbitrary text.
// Properties: the result does not depend on how the input is cut into pieces, and a command
// built by BuildCommand decodes to its text.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/byte_sink.h"
#include "core/command_decoder.h"
#include "core/command_builder.h"
#include "fuzz_support.h"
#include "core/utf8_text.h"

namespace {

using hexcribe::fuzz::Check;

struct Outcome {
  bool ok = false;
  hexcribe::DecodeError error;
  std::string output;
};

Outcome Decode(std::string_view input, std::size_t piece) {
  hexcribe::StringSink sink;
  hexcribe::CommandDecoder decoder(sink);
  Outcome outcome;
  outcome.ok = true;
  for (std::size_t at = 0; at < input.size() && outcome.ok; at += piece) {
    outcome.ok = decoder.Feed(input.substr(at, piece));
  }
  if (outcome.ok) outcome.ok = decoder.Finish();
  decoder.Flush();
  outcome.error = decoder.error();
  outcome.output = sink.data;
  return outcome;
}

// Valid UTF-16: no lone surrogates. U+0000 is left out as well (a line's text ends there for C tools).
bool IsPlainText(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u == 0) return false;
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return false;
      ++i;
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      return false;
    }
  }
  return true;
}

}  // namespace

// Byte 0: piece size for the cut input (1..64). Byte 1 even: the rest is decoder input as it
// is; odd: byte 2 is the separator index, bit 0 of byte 3 the whole-command flag, the rest
// UTF-16LE text that is turned into a command first.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t piece = (data[0] & 63u) + 1;
  std::string input;
  std::u16string text;
  const bool built = (data[1] & 1) != 0;
  if (built) {
    if (size < 4) return 0;
    text = hexcribe::fuzz::UnitsFromBytes(data + 4, size - 4);
    input = hexcribe::BuildCommand(text, hexcribe::SeparatorAtListIndex(static_cast<std::int8_t>(data[2])),
                                   (data[3] & 1) != 0) + "\n";
  } else {
    input.assign(reinterpret_cast<const char*>(data + 2), size - 2);
  }

  const Outcome whole = Decode(input, input.size() + 1);
  const Outcome cut = Decode(input, piece);
  Check(whole.ok == cut.ok && whole.output == cut.output, "the result depends on how the input is cut");
  Check(whole.error.line == cut.error.line && whole.error.column == cut.error.column &&
            whole.error.reason == cut.error.reason,
        "the error depends on how the input is cut");

  if (built && IsPlainText(text)) {
    Check(whole.ok, "a built command does not decode");
    Check(whole.output == hexcribe::EncodeUtf8(text, hexcribe::InvalidUtf8::Replace) + "\n",
          "a built command decodes to another text");
  }
  return 0;
}
