// The tokens of a command line that span several characters: a number, the wrapper's two ends and
// the byte count. The line's grammar chooses the token a character starts; the tokenizer reads it to its end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hexcribe {

enum class CommandToken {
  kNumber,   // two hex digits of either case: one byte
  kOpening,  // "Print 'U::"
  kClosing,  // "';"
  kCount,    // the decimal byte count that conversion with --count writes after a tab
};

// A character for a message: printable ASCII in quotes, anything else as its byte value.
std::string DescribeCommandCharacter(unsigned char c);

class CommandTokenizer {
 public:
  enum class Step { kMore, kDone, kFailed };

  // Starts reading token at its first character, which the grammar has checked: a hex digit for a
  // number, the wrapper end's first character, a decimal digit for a count.
  void Begin(CommandToken token, unsigned char first);
  bool reading() const { return reading_; }
  CommandToken token() const { return token_; }

  // The next character of the token: kMore while it goes on, kDone when the token is complete
  // (a count ends at a space or CR, which it takes), kFailed when c cannot go on the token.
  Step Next(unsigned char c);
  // Why c, refused by Next, cannot go on the token.
  std::string Refusal(unsigned char c) const;
  // The line ends while a token is being read: why it cannot end there, or empty where it can (a
  // count, and a closing left unfinished, which the grammar reports as an unclosed command).
  std::string EndOfLine();

  // The byte of a complete number.
  unsigned byte() const { return byte_; }

 private:
  Step ReadLiteral(std::string_view literal, unsigned char c);

  CommandToken token_ = CommandToken::kNumber;
  bool reading_ = false;
  unsigned char firstDigit_ = 0;
  std::size_t matched_ = 0;  // characters of the wrapper end read so far
  unsigned byte_ = 0;
};

}  // namespace hexcribe
