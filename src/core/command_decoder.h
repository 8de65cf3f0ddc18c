// Turns print commands or bare hex numbers, one per line, back into UTF-8 text, as a stream: for
// hexcribe-cli --decode and the window's "Paste Command as Text".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/byte_sink.h"

namespace hexcribe {

// Where and why a line is not a command.
struct DecodeError {
  std::uint64_t line = 0;    // 1-based
  std::uint64_t column = 0;  // 1-based byte column (a valid line is all ASCII)
  std::string reason;
};

// Reads lines of the form
//   Print 'U::5C D5 6D AD';   or   5C D5 6D AD
// with any one of the separators of core/separator.h per line (hex digits in
// either case), and writes each line's text in UTF-8 followed by a newline.
// Blank lines give empty lines. Spaces and tabs may surround the command; a CR
// before the LF is ignored. A tab and a decimal number after the command (the
// byte count that conversion with --count writes) are ignored. Input may arrive in pieces of any size; a line is
// written only once it has been checked, unless it grows past the output
// buffer. The first malformed line stops decoding.
class CommandDecoder {
 public:
  // Where the bytes come from: a file or stream may start with a byte-order
  // mark, which is skipped; a command-line argument is exactly one line, so an
  // empty one gives an empty line.
  enum class Input { kStream, kArgument };

  explicit CommandDecoder(ByteSink& sink, Input input = Input::kStream);

  // False at the first malformed line (error() tells where) or when writing failed.
  bool Feed(std::string_view bytes);
  // The end of the input: checks a last line that has no LF.
  bool Finish();
  bool Flush();
  // After a read error: forgets the line read so far unless part of it was written already.
  void DropUnfinishedLine();

  bool writeFailed() const { return writeFailed_; }
  const DecodeError& error() const { return error_; }

 private:
  enum class State {
    kLineStart,    // before the first number or the wrapper, spaces skipped
    kPrefix,       // inside "Print 'U::"
    kNumberStart,  // right after "Print 'U::": a number or the closing quote
    kSecondDigit,  // one hex digit of a number read
    kAfterNumber,  // a separator, the next number (no separator), or the end
    kAfterSeparator,
    kSuffix,    // inside "';"
    kCountStart,  // after the tab that may precede a byte count
    kCount,       // inside the byte count
    kTrailing,  // only spaces until the end of the line
  };

  bool Step(unsigned char c);
  bool EndLine();
  bool AddByte(unsigned value);
  bool Fail(std::uint64_t column, std::string reason);
  void Emit(char32_t codePoint);

  ByteSink& sink_;
  State state_ = State::kLineStart;
  bool wrapped_ = false;
  std::size_t prefixMatched_ = 0;
  int separator_ = -1;  // -1 unknown yet, 0 none, else the separator character
  unsigned char highDigit_ = 0;  // the first hex digit of the number being read
  std::uint64_t line_ = 1;
  std::uint64_t column_ = 0;
  bool lineHasBytes_ = false;
  Input input_;
  bool atInputStart_ = true;
  bool sawInput_ = false;
  std::size_t bomMatched_ = 0;
  // Column of a blank right after a space separator: a number after it means a doubled separator.
  std::uint64_t blankAfterSeparatorColumn_ = 0;
  unsigned char blankAfterSeparator_ = 0;
  // Bytes of the line's text: a unit is complete every two bytes.
  std::uint64_t byteCount_ = 0;
  unsigned lowByte_ = 0;
  std::uint64_t unitColumn_ = 0;       // column of the number holding the unit's low byte
  std::uint64_t lastNumberColumn_ = 0;
  char16_t pendingHigh_ = 0;           // a high surrogate waiting for its low half
  std::uint64_t pendingHighColumn_ = 0;
  std::string text_;  // the current line's text (and earlier checked lines) not yet written
  std::size_t lineStart_ = 0;
  bool linePartlyWritten_ = false;
  bool failed_ = false;
  bool writeFailed_ = false;
  DecodeError error_;
};

}  // namespace hexcribe
