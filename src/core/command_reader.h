// Reads print commands or bare hex numbers, one per line, as a stream, and hands on the characters
// of every line that reads as one: the decoder's front half, shared by every output it writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/command_line_grammar.h"
#include "core/utf16le_assembler.h"

namespace hexcribe {

// Where the decoded text goes, a line at a time.
class LineSink {
 public:
  virtual ~LineSink() = default;
  // The next character of the line being read.
  virtual void Add(char32_t codePoint) = 0;
  // The line is complete and reads as a command. False when it could not be written.
  virtual bool EndLine() = 0;
  // The line is malformed: forget its characters, as far as none has been written yet.
  virtual void DropLine() = 0;
};

// Where and why a line is not a command.
struct DecodeError {
  std::uint64_t line = 0;    // 1-based
  std::uint64_t column = 0;  // 1-based byte column (a valid line is all ASCII)
  std::string reason;
};

// Reads lines of the form
//   Print 'U::5C D5 6D AD';   or   5C D5 6D AD
// as core/command_line_grammar.h describes them, each number a byte of the line's text in UTF-16LE.
// Blank lines give empty lines; a CR before the LF is ignored. Input may arrive in pieces of any
// size. The first malformed line stops reading: its characters are dropped, the lines before stay.
class CommandReader {
 public:
  // Where the bytes come from: a file or stream may start with a byte-order mark, which is
  // skipped; a command-line argument is exactly one line, so an empty one gives an empty line.
  enum class Input { kStream, kArgument };

  CommandReader(LineSink& out, Input input);

  // False at the first malformed line (error() tells where) or once a line could not be written.
  bool Feed(std::string_view bytes);
  // Text such as a clipboard's, a unit a character: any unit beyond ASCII is malformed.
  bool Feed(std::u16string_view units);
  // The end of the input: checks a last line that has no LF.
  bool Finish();

  const DecodeError& error() const { return error_; }

 private:
  bool FeedByte(unsigned char c);
  bool Step(unsigned char c);
  bool AddByte();
  bool EndLine();
  bool FailBeyondAscii(char32_t c, bool byte);  // a byte of a stream, or a unit of a text
  bool Fail(const LineError& error);

  LineSink& out_;
  Input input_;
  CommandLineGrammar grammar_;
  Utf16LeAssembler units_;
  std::uint64_t line_ = 1;
  std::uint64_t column_ = 0;
  bool lineHasBytes_ = false;
  bool atInputStart_;
  bool sawInput_ = false;
  std::size_t bomMatched_ = 0;
  bool stopped_ = false;
  DecodeError error_;
};

}  // namespace hexcribe
