// Converts UTF-8 inputs to commands as a stream: one command per input, or one per line.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "cli/byte_io.h"
#include "cli/cli_options.h"
#include "cli/command_writer.h"
#include "core/utf8_text.h"

namespace hexcribe::cli {

// A character the LCD cannot show when it has no surrogate support.
struct NonBmpCharacter {
  std::uint64_t line = 0;    // 1-based
  std::uint64_t column = 0;  // 1-based, counted in characters
  char32_t codePoint = 0;
};

enum class ConvertStatus { kOk, kInvalidUtf8, kReadFailed, kWriteFailed };

class TextConverter {
 public:
  using NonBmpReport = std::function<void(const NonBmpCharacter&)>;

  // onNonBmp is called for every character above U+FFFF when options.bmpOnly is set.
  TextConverter(const ConvertOptions& options, ByteSink& out, NonBmpReport onNonBmp = {});

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
  void FeedWhole(std::u16string_view units);
  void FeedLines(std::u16string_view units);
  void CheckBmp(std::u16string_view units);

  ConvertOptions options_;
  CommandWriter writer_;
  NonBmpReport onNonBmp_;
  Utf8Error utf8Error_;
  // Per input:
  bool pendingCr_ = false;  // a CR at a piece's end, dropped if an LF follows
  std::uint64_t line_ = 1;
  std::uint64_t column_ = 0;
  std::u16string units_;
};

}  // namespace hexcribe::cli
