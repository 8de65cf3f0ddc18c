// What may follow what in one line of a command or of bare numbers, a character at a time.
#pragma once

#include <cstdint>
#include <string>

#include "core/command_tokenizer.h"

namespace hexcribe {

// Where and why a line breaks the grammar: column is 1-based.
struct LineError {
  std::uint64_t column = 0;
  std::string reason;
};

// A line is
//   blanks  [ "Print 'U::" numbers "';"  |  numbers ]  blanks  [ tab blanks [count] blanks ]...
// where numbers are pairs of hex digits with one separator of core/separator.h between every two
// (the same one throughout the line, or none), and blanks are spaces, tabs and CRs. After bare
// numbers separated by spaces, spaces may also end the line.
class CommandLineGrammar {
 public:
  enum class Result { kGoOn, kNumber, kFailed };

  // The line's next character (not its LF) at its column: kNumber when it completes a number
  // (byte() and numberColumn() tell it), kFailed with error().
  Result Next(unsigned char c, std::uint64_t column);
  // The line ends at column: false with error() unless the line is complete. Readies the next line.
  bool End(std::uint64_t column);

  unsigned byte() const { return tokenizer_.byte(); }
  std::uint64_t numberColumn() const { return numberColumn_; }
  const LineError& error() const { return error_; }

 private:
  enum class Place {
    kLineStart,       // blanks so far
    kAfterOpening,    // right after "Print 'U::": a number or the closing
    kAfterNumber,     // a separator, the next number (no separator), or the end
    kAfterSeparator,  // the next number, or for bare numbers with spaces trailing blanks
    kTrailing,        // only blanks, or the tab before a count
    kAfterTab,        // blanks or the byte count
  };

  // What is wrong where a line fails; Reason words it.
  enum class Problem {
    kNoStart,           // neither a number nor the wrapper at the start
    kNoNumber,          // neither a number nor the closing after the opening
    kLongNumber,        // a third hex digit without a separator, where the line has one
    kMixedSeparators,
    kAfterNumber,       // something else after a number
    kAfterSeparator,    // no number after a separator
    kDoubledSpace,      // a number after a blank after a space separator
    kAfterEnd,          // something else after the command or the numbers
    kInToken,           // a character the token being read cannot take
  };

  Result Continue(unsigned char c, std::uint64_t column);
  Result Begin(CommandToken token, unsigned char c, std::uint64_t column);
  Result AtLineStart(unsigned char c, std::uint64_t column);
  Result AfterOpening(unsigned char c, std::uint64_t column);
  Result AfterNumber(unsigned char c, std::uint64_t column);
  Result AfterSeparator(unsigned char c, std::uint64_t column);
  Result Trailing(unsigned char c, std::uint64_t column);
  Result AfterTab(unsigned char c, std::uint64_t column);
  Result MoveTo(Place place);
  Result Fail(std::uint64_t column, Problem problem, unsigned char c);
  std::string Reason(Problem problem, unsigned char c) const;

  CommandTokenizer tokenizer_;
  Place place_ = Place::kLineStart;
  bool wrapped_ = false;
  bool closed_ = false;
  int separator_ = -1;  // -1 unknown yet, 0 none, else the separator character
  std::uint64_t numberColumn_ = 0;
  // A blank right after a space separator: a number after it means a doubled separator.
  std::uint64_t blankAfterSeparatorColumn_ = 0;
  unsigned char blankAfterSeparator_ = 0;
  LineError error_;
};

}  // namespace hexcribe
