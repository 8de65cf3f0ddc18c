// Converts UTF-8 inputs to commands as a stream: one command per input, or one per line.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "cli/byte_io.h"
#include "cli/cli_options.h"
#include "cli/command_writer.h"
#include "core/normalization.h"
#include "core/text_checks.h"
#include "core/utf8_text.h"

namespace hexcribe::cli {

// A character the LCD cannot show when it has no surrogate support.
struct NonBmpCharacter {
  std::uint64_t line = 0;    // 1-based
  std::uint64_t column = 0;  // 1-based, counted in characters
  char32_t codePoint = 0;
};

// A finding of --check: a character with findings (column = character.index + 1), or, when
// character.findings is 0, a command longer than the dialog's, of commandUnits units.
struct CheckFinding {
  std::uint64_t line = 0;  // 1-based
  CheckedCharacter character;
  std::uint64_t commandUnits = 0;
};

enum class ConvertStatus { kOk, kInvalidUtf8, kReadFailed, kWriteFailed };

class TextConverter {
 public:
  using NonBmpReport = std::function<void(const NonBmpCharacter&)>;
  using CheckReport = std::function<void(const CheckFinding&)>;

  // onNonBmp is called for every character above U+FFFF when options.bmpOnly is set (and check
  // is not: its findings name them). onCheck is called for every finding when options.check is
  // set; faceGlyphs, kept by pointer, are the font's code points for it, or nullptr for none.
  TextConverter(const ConvertOptions& options, ByteSink& out, NonBmpReport onNonBmp = {}, CheckReport onCheck = {},
                const CodePointSet* faceGlyphs = nullptr);

  // Converts one input read to its end. Without `lines` the whole input is one
  // text, its line breaks included; with `lines` every line (without its LF,
  // and without the CR of a CR LF) is one command. On invalid UTF-8 the command
  // being built is dropped when none of it was written yet, and utf8Error() tells where.
  // A leading byte-order mark is skipped when skipByteOrderMark is set (files,
  // standard input); a text argument keeps it as U+FEFF.
  ConvertStatus Convert(ByteSource& source, bool skipByteOrderMark = true);

  // Hands all buffered output to the sink; false when writing failed.
  bool Flush() { return writer_.Flush(); }

  const Utf8Error& utf8Error() const { return utf8Error_; }

 private:
  // The decoded text, composed first with --nfc; `last` ends the input.
  void Feed(std::u16string_view units, bool last);
  void FeedComposed(std::u16string_view units);
  void FeedLines(std::u16string_view units);
  void CheckBmp(std::u16string_view units);
  void Check(std::u16string_view units);
  void ReportChecked();
  void BeginCommand();
  void EndCommand();

  ConvertOptions options_;
  CommandWriter writer_;
  NonBmpReport onNonBmp_;
  CheckReport onCheck_;
  TextChecker checker_;
  NfcStream nfc_;
  std::u16string composed_;
  Utf8Error utf8Error_;
  // Per input:
  bool pendingCr_ = false;  // a CR at a piece's end, dropped if an LF follows
  std::uint64_t line_ = 1;
  std::uint64_t column_ = 0;
  std::uint64_t checkLine_ = 1;
  std::uint64_t commands_ = 0;     // begun in this input
  std::uint64_t commandLine_ = 1;  // where the open command began
  std::u16string units_;
};

}  // namespace hexcribe::cli
