// Reading the command line's multi-character tokens once the grammar has started one.
#include "core/command_tokenizer.h"

#include "core/command_builder.h"
#include "core/hex_text.h"
#include "core/unicode.h"

namespace hexcribe {

std::string DescribeCommandCharacter(unsigned char c) {
  if (c == '\'') return "\"'\"";
  if (c >= 0x21 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
  if (c == ' ') return "a space";
  return "byte 0x" + UpperHex(c, 2);
}

void CommandTokenizer::Begin(CommandToken token, unsigned char first) {
  token_ = token;
  reading_ = true;
  firstDigit_ = first;
  matched_ = 1;
}

CommandTokenizer::Step CommandTokenizer::Next(unsigned char c) {
  switch (token_) {
    case CommandToken::kNumber: {
      const int byte = ParseHexPair(firstDigit_, c);
      if (byte < 0) return Step::kFailed;
      byte_ = static_cast<unsigned>(byte);
      reading_ = false;
      return Step::kDone;
    }
    case CommandToken::kOpening: return ReadLiteral(kCommandPrefix, c);
    case CommandToken::kClosing: return ReadLiteral(kCommandSuffix, c);
    case CommandToken::kCount:
      if (c >= '0' && c <= '9') return Step::kMore;
      if (c != ' ' && c != '\r') return Step::kFailed;
      reading_ = false;
      return Step::kDone;
  }
  return Step::kFailed;
}

// The wrapper's opening and closing are matched alike.
CommandTokenizer::Step CommandTokenizer::ReadLiteral(std::string_view literal, unsigned char c) {
  if (c != static_cast<unsigned char>(literal[matched_])) return Step::kFailed;
  if (++matched_ < literal.size()) return Step::kMore;
  reading_ = false;
  return Step::kDone;
}

std::string CommandTokenizer::Refusal(unsigned char c) const {
  const std::string found = ", found " + DescribeCommandCharacter(c);
  switch (token_) {
    case CommandToken::kNumber: return "expected a second hex digit" + found;
    case CommandToken::kOpening: return "broken wrapper: expected \"" + std::string(kCommandPrefix) + "\"" + found;
    case CommandToken::kClosing:
      return "broken wrapper: expected \"" + std::string(kCommandSuffix) + "\" to close the command" + found;
    case CommandToken::kCount: break;
  }
  return "unexpected " + DescribeCommandCharacter(c) + " in the byte count after the command";
}

std::string CommandTokenizer::EndOfLine() {
  if (!reading_) return {};
  reading_ = false;
  switch (token_) {
    case CommandToken::kNumber: return "expected a second hex digit, found the end of the line";
    case CommandToken::kOpening: return "broken wrapper: the line ends inside \"" + std::string(kCommandPrefix) + "\"";
    case CommandToken::kClosing:  // the grammar reports a command that is not closed
    case CommandToken::kCount: break;
  }
  return {};
}

}  // namespace hexcribe
