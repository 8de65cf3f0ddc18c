// The grammar of one command line: which token or blank may come where, and why a line is malformed.
#include "core/command_line_grammar.h"

#include <utility>

#include "core/command_builder.h"
#include "core/separator.h"
#include "core/unicode.h"

namespace hexcribe {

namespace {

bool IsBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool IsHexDigit(unsigned char c) { return HexDigitValue(c) >= 0; }
bool IsSeparator(unsigned char c) { return FindSeparatorByCharacter(static_cast<char>(c)) != nullptr; }

std::string DescribeSeparator(int separator) {
  return separator == 0 ? "no separator" : DescribeCommandCharacter(static_cast<unsigned char>(separator));
}

constexpr auto kOpening = static_cast<unsigned char>(kCommandPrefix[0]);
constexpr auto kClosing = static_cast<unsigned char>(kCommandSuffix[0]);

}  // namespace

CommandLineGrammar::Result CommandLineGrammar::Next(unsigned char c, std::uint64_t column) {
  if (tokenizer_.reading()) return Continue(c, column);
  switch (place_) {
    case Place::kLineStart: return AtLineStart(c, column);
    case Place::kAfterOpening: return AfterOpening(c, column);
    case Place::kAfterNumber: return AfterNumber(c, column);
    case Place::kAfterSeparator: return AfterSeparator(c, column);
    case Place::kTrailing: return Trailing(c, column);
    case Place::kAfterTab: return AfterTab(c, column);
  }
  return Result::kGoOn;
}

CommandLineGrammar::Result CommandLineGrammar::Continue(unsigned char c, std::uint64_t column) {
  switch (tokenizer_.Next(c)) {
    case CommandTokenizer::Step::kMore: return Result::kGoOn;
    case CommandTokenizer::Step::kFailed: return Fail(column, Problem::kInToken, c);
    case CommandTokenizer::Step::kDone: break;
  }
  switch (tokenizer_.token()) {
    case CommandToken::kNumber: place_ = Place::kAfterNumber; return Result::kNumber;
    case CommandToken::kOpening: return MoveTo(Place::kAfterOpening);
    case CommandToken::kClosing: closed_ = true; return MoveTo(Place::kTrailing);
    case CommandToken::kCount: return MoveTo(Place::kTrailing);
  }
  return Result::kGoOn;
}

CommandLineGrammar::Result CommandLineGrammar::Begin(CommandToken token, unsigned char c, std::uint64_t column) {
  if (token == CommandToken::kNumber) numberColumn_ = column;
  if (token == CommandToken::kOpening) wrapped_ = true;
  tokenizer_.Begin(token, c);
  return Result::kGoOn;
}

CommandLineGrammar::Result CommandLineGrammar::AtLineStart(unsigned char c, std::uint64_t column) {
  if (IsBlank(c)) return Result::kGoOn;
  if (IsHexDigit(c)) return Begin(CommandToken::kNumber, c, column);
  if (c == kOpening) return Begin(CommandToken::kOpening, c, column);
  return Fail(column, Problem::kNoStart, c);
}

CommandLineGrammar::Result CommandLineGrammar::AfterOpening(unsigned char c, std::uint64_t column) {
  if (IsHexDigit(c)) return Begin(CommandToken::kNumber, c, column);
  if (c == kClosing) return Begin(CommandToken::kClosing, c, column);
  return Fail(column, Problem::kNoNumber, c);
}

CommandLineGrammar::Result CommandLineGrammar::AfterNumber(unsigned char c, std::uint64_t column) {
  if (IsHexDigit(c)) {
    if (separator_ == -1) separator_ = 0;
    if (separator_ == 0) return Begin(CommandToken::kNumber, c, column);
    return Fail(column, Problem::kLongNumber, c);
  }
  if (IsSeparator(c)) {
    if (separator_ == -1) separator_ = c;
    if (separator_ == c) return MoveTo(Place::kAfterSeparator);
    if (!wrapped_ && c == ' ') return MoveTo(Place::kTrailing);
    return Fail(column, Problem::kMixedSeparators, c);
  }
  if (wrapped_ && c == kClosing) return Begin(CommandToken::kClosing, c, column);
  if (!wrapped_ && IsBlank(c)) return MoveTo(c == '\t' ? Place::kAfterTab : Place::kTrailing);
  return Fail(column, Problem::kAfterNumber, c);
}

CommandLineGrammar::Result CommandLineGrammar::AfterSeparator(unsigned char c, std::uint64_t column) {
  if (IsHexDigit(c)) return Begin(CommandToken::kNumber, c, column);
  if (!wrapped_ && separator_ == ' ' && IsBlank(c)) {
    if (c == '\t') return MoveTo(Place::kAfterTab);
    // Trailing blanks, unless a number follows: then this blank doubled the separator.
    blankAfterSeparatorColumn_ = column;
    blankAfterSeparator_ = c;
    return MoveTo(Place::kTrailing);
  }
  return Fail(column, Problem::kAfterSeparator, c);
}

CommandLineGrammar::Result CommandLineGrammar::Trailing(unsigned char c, std::uint64_t column) {
  if (c == '\t') {
    blankAfterSeparatorColumn_ = 0;
    return MoveTo(Place::kAfterTab);
  }
  if (IsBlank(c)) return Result::kGoOn;
  if (IsHexDigit(c) && blankAfterSeparatorColumn_ != 0) {
    return Fail(blankAfterSeparatorColumn_, Problem::kDoubledSpace, blankAfterSeparator_);
  }
  return Fail(column, Problem::kAfterEnd, c);
}

// The byte count that conversion with --count writes after a tab: decimal digits, read and ignored.
CommandLineGrammar::Result CommandLineGrammar::AfterTab(unsigned char c, std::uint64_t column) {
  if (c >= '0' && c <= '9') return Begin(CommandToken::kCount, c, column);
  if (IsBlank(c)) return Result::kGoOn;
  return Fail(column, Problem::kAfterEnd, c);
}

bool CommandLineGrammar::End(std::uint64_t column) {
  std::string reason = tokenizer_.EndOfLine();
  if (reason.empty() && wrapped_ && !closed_) {
    reason = "broken wrapper: the command is not closed with \"" + std::string(kCommandSuffix) + "\"";
  }
  if (reason.empty() && place_ == Place::kAfterSeparator && separator_ != ' ') {
    reason = "expected two hex digits after " + DescribeSeparator(separator_) + ", found the end of the line";
  }
  *this = CommandLineGrammar();
  if (reason.empty()) return true;
  error_ = {column, std::move(reason)};
  return false;
}

CommandLineGrammar::Result CommandLineGrammar::MoveTo(Place place) {
  place_ = place;
  return Result::kGoOn;
}

CommandLineGrammar::Result CommandLineGrammar::Fail(std::uint64_t column, Problem problem, unsigned char c) {
  error_ = {column, Reason(problem, c)};
  return Result::kFailed;
}

std::string CommandLineGrammar::Reason(Problem problem, unsigned char c) const {
  const std::string found = ", found " + DescribeCommandCharacter(c);
  const std::string unexpected = "unexpected " + DescribeCommandCharacter(c);
  switch (problem) {
    case Problem::kNoStart: return "expected hex numbers or \"" + std::string(kCommandPrefix) + "\"" + found;
    case Problem::kNoNumber: return "expected two hex digits" + found;
    case Problem::kLongNumber: return "a number has more than two hex digits";
    case Problem::kMixedSeparators:
      return "mixed separators: " + DescribeCommandCharacter(c) + " in a line of numbers with " +
             DescribeSeparator(separator_) + " between them";
    case Problem::kAfterNumber: return unexpected + " after a number";
    case Problem::kAfterSeparator: return "expected two hex digits after " + DescribeSeparator(separator_) + found;
    case Problem::kDoubledSpace: return "expected two hex digits after a space" + found;
    case Problem::kAfterEnd: return unexpected + (wrapped_ ? " after the command" : " after the numbers");
    case Problem::kInToken: return tokenizer_.Refusal(c);
  }
  return unexpected;
}

}  // namespace hexcribe
