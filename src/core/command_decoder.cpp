// Turns print commands or bare hex numbers, one per line, back into UTF-8 text, as a stream.
// A byte-at-a-time state machine: lines of any length need no more memory than one output block.
#include "core/command_decoder.h"

#include <utility>

#include "core/command_builder.h"
#include "core/hex_text.h"
#include "core/separator.h"
#include "core/unicode.h"
#include "core/utf8_text.h"

namespace hexcribe {

namespace {

constexpr std::size_t kFlushSize = 1 << 20;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A character for a message: printable ASCII in quotes, anything else as its byte value.
std::string Describe(unsigned char c) {
  if (c == '\'') return "\"'\"";
  if (c >= 0x21 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
  if (c == ' ') return "a space";
  return "byte 0x" + UpperHex(c, 2);
}

std::string DescribeSeparator(int separator) {
  return separator == 0 ? "no separator" : Describe(static_cast<unsigned char>(separator));
}

}  // namespace

CommandDecoder::CommandDecoder(ByteSink& sink, Input input)
    : sink_(sink), input_(input), atInputStart_(input == Input::kStream) {}

bool CommandDecoder::Fail(std::uint64_t column, std::string reason) {
  failed_ = true;
  error_ = {line_, column, std::move(reason)};
  // The bad line's text is dropped; the lines before it stay.
  DropUnfinishedLine();
  return false;
}

void CommandDecoder::Emit(char32_t codePoint) {
  AppendUtf8(text_, codePoint);
  if (text_.size() >= kFlushSize) {
    Flush();
    linePartlyWritten_ = true;
  }
}

bool CommandDecoder::Flush() {
  if (!text_.empty() && !writeFailed_) writeFailed_ = !sink_.Write(text_);
  text_.clear();
  lineStart_ = 0;
  return !writeFailed_;
}

void CommandDecoder::DropUnfinishedLine() {
  if (!linePartlyWritten_) text_.resize(lineStart_);
}

bool CommandDecoder::AddByte(unsigned value) {
  if (++byteCount_ % 2 == 1) {
    lowByte_ = value;
    unitColumn_ = lastNumberColumn_;
    return true;
  }
  const char16_t unit = static_cast<char16_t>(lowByte_ | (value << 8));
  const bool high = IsHighSurrogate(unit);
  const bool low = IsLowSurrogate(unit);
  if (pendingHigh_ != 0) {
    if (!low) {
      return Fail(pendingHighColumn_,
                  "lone surrogate " + CodePointName(pendingHigh_) + " (no low surrogate follows it)");
    }
    Emit(CombineSurrogates(pendingHigh_, unit));
    pendingHigh_ = 0;
    return true;
  }
  if (high) {
    pendingHigh_ = unit;
    pendingHighColumn_ = unitColumn_;
    return true;
  }
  if (low) return Fail(unitColumn_, "lone surrogate " + CodePointName(unit) + " (no high surrogate before it)");
  Emit(unit);
  return true;
}

bool CommandDecoder::Step(unsigned char c) {
  if (c == '\n') return EndLine();
  ++column_;
  lineHasBytes_ = true;
  if (c >= 0x80) return Fail(column_, "unexpected " + Describe(c) + " (commands are ASCII)");
  const int digit = HexDigitValue(c);
  auto startNumber = [&] {
    highDigit_ = c;
    lastNumberColumn_ = column_;
    state_ = State::kSecondDigit;
    return true;
  };

  switch (state_) {
    case State::kLineStart:
      if (IsBlank(c)) return true;
      if (digit >= 0) return startNumber();
      if (c == kCommandPrefix[0]) {
        wrapped_ = true;
        prefixMatched_ = 1;
        state_ = State::kPrefix;
        return true;
      }
      return Fail(column_, "expected hex numbers or \"Print 'U::\", found " + Describe(c));

    case State::kPrefix:
      if (c != kCommandPrefix[prefixMatched_]) {
        return Fail(column_, "broken wrapper: expected \"Print 'U::\", found " + Describe(c));
      }
      if (++prefixMatched_ == kCommandPrefix.size()) state_ = State::kNumberStart;
      return true;

    case State::kNumberStart:
      if (digit >= 0) return startNumber();
      if (c == kCommandSuffix[0]) {
        prefixMatched_ = 1;
        state_ = State::kSuffix;
        return true;
      }
      return Fail(column_, "expected two hex digits, found " + Describe(c));

    case State::kSecondDigit: {
      const int byte = ParseHexPair(highDigit_, c);
      if (byte < 0) return Fail(column_, "expected a second hex digit, found " + Describe(c));
      state_ = State::kAfterNumber;
      return AddByte(static_cast<unsigned>(byte));
    }

    case State::kAfterNumber:
      if (digit >= 0) {
        if (separator_ == -1) separator_ = 0;
        if (separator_ == 0) return startNumber();
        return Fail(column_, "a number has more than two hex digits");
      }
      if (FindSeparatorByCharacter(static_cast<char>(c)) != nullptr) {
        if (separator_ == -1) separator_ = c;
        if (separator_ == c) {
          state_ = State::kAfterSeparator;
          return true;
        }
        if (!wrapped_ && c == ' ') {
          state_ = State::kTrailing;
          return true;
        }
        return Fail(column_, "mixed separators: " + Describe(c) + " in a line of numbers with " +
                                 DescribeSeparator(separator_) + " between them");
      }
      if (wrapped_ && c == kCommandSuffix[0]) {
        prefixMatched_ = 1;
        state_ = State::kSuffix;
        return true;
      }
      if (!wrapped_ && IsBlank(c)) {
        state_ = c == '\t' ? State::kCountStart : State::kTrailing;
        return true;
      }
      return Fail(column_, "unexpected " + Describe(c) + " after a number");

    case State::kAfterSeparator:
      if (digit >= 0) return startNumber();
      if (!wrapped_ && separator_ == ' ' && IsBlank(c)) {
        if (c == '\t') {
          state_ = State::kCountStart;
        } else {
          // Trailing blanks, unless a number follows: then this blank doubled the separator.
          blankAfterSeparatorColumn_ = column_;
          blankAfterSeparator_ = c;
          state_ = State::kTrailing;
        }
        return true;
      }
      return Fail(column_, "expected two hex digits after " + DescribeSeparator(separator_) + ", found " +
                               Describe(c));

    case State::kSuffix:
      if (c != kCommandSuffix[prefixMatched_]) {
        return Fail(column_, "broken wrapper: expected \"';\" to close the command, found " + Describe(c));
      }
      if (++prefixMatched_ == kCommandSuffix.size()) state_ = State::kTrailing;
      return true;

    case State::kTrailing:
      if (c == '\t') {
        blankAfterSeparatorColumn_ = 0;
        state_ = State::kCountStart;
        return true;
      }
      if (IsBlank(c)) return true;
      if (digit >= 0 && blankAfterSeparatorColumn_ != 0) {
        return Fail(blankAfterSeparatorColumn_,
                    "expected two hex digits after a space, found " + Describe(blankAfterSeparator_));
      }
      return Fail(column_, "unexpected " + Describe(c) + (wrapped_ ? " after the command" : " after the numbers"));

    // The byte count --count writes after a tab: decimal digits, read and ignored.
    case State::kCountStart:
      if (c >= '0' && c <= '9') {
        state_ = State::kCount;
        return true;
      }
      if (IsBlank(c)) return true;
      return Fail(column_, "unexpected " + Describe(c) + (wrapped_ ? " after the command" : " after the numbers"));

    case State::kCount:
      if (c >= '0' && c <= '9') return true;
      if (IsBlank(c) && c != '\t') {
        state_ = State::kTrailing;
        return true;
      }
      return Fail(column_, "unexpected " + Describe(c) + " in the byte count after the command");
  }
  return true;
}

bool CommandDecoder::EndLine() {
  const std::uint64_t end = column_ + 1;
  switch (state_) {
    case State::kPrefix: return Fail(end, "broken wrapper: the line ends inside \"Print 'U::\"");
    case State::kSecondDigit: return Fail(end, "expected a second hex digit, found the end of the line");
    case State::kNumberStart:
    case State::kAfterNumber:
    case State::kSuffix:
      if (wrapped_) return Fail(end, "broken wrapper: the command is not closed with \"';\"");
      break;
    case State::kAfterSeparator:
      if (wrapped_) return Fail(end, "broken wrapper: the command is not closed with \"';\"");
      if (separator_ != ' ') {
        return Fail(end, "expected two hex digits after " + DescribeSeparator(separator_) +
                             ", found the end of the line");
      }
      break;
    case State::kLineStart:
    case State::kTrailing:
    case State::kCountStart:
    case State::kCount: break;
  }
  if (byteCount_ % 2 == 1) {
    return Fail(lastNumberColumn_, "odd number of bytes (" + std::to_string(byteCount_) +
                                       "): every UTF-16 unit takes two, this last number has no partner");
  }
  if (pendingHigh_ != 0) {
    return Fail(pendingHighColumn_,
                "lone surrogate " + CodePointName(pendingHigh_) + " (no low surrogate follows it)");
  }
  text_ += '\n';
  // Next line.
  state_ = State::kLineStart;
  blankAfterSeparatorColumn_ = 0;
  wrapped_ = false;
  separator_ = -1;
  byteCount_ = 0;
  pendingHigh_ = 0;
  column_ = 0;
  ++line_;
  lineHasBytes_ = false;
  lineStart_ = text_.size();
  linePartlyWritten_ = false;
  if (text_.size() >= kFlushSize) Flush();
  return !writeFailed_;
}

bool CommandDecoder::Feed(std::string_view bytes) {
  if (failed_ || writeFailed_) return false;
  if (!bytes.empty()) sawInput_ = true;
  for (const char byte : bytes) {
    const auto c = static_cast<unsigned char>(byte);
    if (atInputStart_) {  // skip a byte-order mark
      if (c == static_cast<unsigned char>(kBom[bomMatched_])) {
        if (++bomMatched_ == kBom.size()) atInputStart_ = false;
        continue;
      }
      atInputStart_ = false;
      if (bomMatched_ != 0) {
        column_ = 0;
        return Fail(1, "unexpected byte 0xEF (commands are ASCII)");
      }
    }
    if (!Step(c)) return false;
  }
  return true;
}

bool CommandDecoder::Finish() {
  if (failed_ || writeFailed_) return false;
  if (atInputStart_ && bomMatched_ != 0) return Fail(1, "unexpected byte 0xEF (commands are ASCII)");
  // An empty argument is still one (empty) line; an empty file or stream has none.
  const bool emptyArgument = input_ == Input::kArgument && !sawInput_;
  if ((lineHasBytes_ || emptyArgument) && !EndLine()) return false;
  return Flush();
}

}  // namespace hexcribe
