// Reading commands a byte at a time: lines of any length need no more memory than their sink keeps.
#include "core/command_reader.h"

#include "core/hex_text.h"

namespace hexcribe {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
LineError PartialBom() { return {1, "unexpected byte 0xEF (commands are ASCII)"}; }

}  // namespace

CommandReader::CommandReader(LineSink& out, Input input)
    : out_(out), input_(input), atInputStart_(input == Input::kStream) {}

bool CommandReader::Feed(std::string_view bytes) {
  if (stopped_) return false;
  if (!bytes.empty()) sawInput_ = true;
  for (const char byte : bytes) {
    if (!FeedByte(static_cast<unsigned char>(byte))) return false;
  }
  return true;
}

bool CommandReader::Feed(std::u16string_view units) {
  if (stopped_) return false;
  if (!units.empty()) sawInput_ = true;
  for (const char16_t unit : units) {
    if (unit >= 0x80) {
      ++column_;
      return FailBeyondAscii(unit, false);
    }
    if (!FeedByte(static_cast<unsigned char>(unit))) return false;
  }
  return true;
}

bool CommandReader::FeedByte(unsigned char c) {
  if (atInputStart_) {  // skip a byte-order mark
    if (c == static_cast<unsigned char>(kBom[bomMatched_])) {
      if (++bomMatched_ == kBom.size()) atInputStart_ = false;
      return true;
    }
    atInputStart_ = false;
    if (bomMatched_ != 0) return Fail(PartialBom());
  }
  return Step(c);
}

bool CommandReader::Step(unsigned char c) {
  if (c == '\n') return EndLine();
  ++column_;
  lineHasBytes_ = true;
  if (c >= 0x80) return FailBeyondAscii(c, true);
  switch (grammar_.Next(c, column_)) {
    case CommandLineGrammar::Result::kGoOn: return true;
    case CommandLineGrammar::Result::kNumber: return AddByte();
    case CommandLineGrammar::Result::kFailed: return Fail(grammar_.error());
  }
  return true;
}

bool CommandReader::AddByte() {
  switch (units_.Add(grammar_.byte(), grammar_.numberColumn())) {
    case Utf16LeAssembler::Result::kGoOn: return true;
    case Utf16LeAssembler::Result::kCharacter: out_.Add(units_.character()); return true;
    case Utf16LeAssembler::Result::kFailed: return Fail(units_.error());
  }
  return true;
}

bool CommandReader::EndLine() {
  if (!grammar_.End(column_ + 1)) return Fail(grammar_.error());
  if (!units_.End()) return Fail(units_.error());
  column_ = 0;
  ++line_;
  lineHasBytes_ = false;
  stopped_ = !out_.EndLine();
  return !stopped_;
}

bool CommandReader::Finish() {
  if (stopped_) return false;
  if (atInputStart_ && bomMatched_ != 0) return Fail(PartialBom());
  // An empty argument is still one (empty) line; an empty file or stream has none.
  const bool emptyArgument = input_ == Input::kArgument && !sawInput_;
  return !(lineHasBytes_ || emptyArgument) || EndLine();
}

bool CommandReader::FailBeyondAscii(char32_t c, bool byte) {
  const std::string character = byte ? DescribeCommandCharacter(static_cast<unsigned char>(c)) : CodePointName(c);
  return Fail({column_, "unexpected " + character + " (commands are ASCII)"});
}

bool CommandReader::Fail(const LineError& error) {
  stopped_ = true;
  error_ = {line_, error.column, error.reason};
  out_.DropLine();
  return false;
}

}  // namespace hexcribe
