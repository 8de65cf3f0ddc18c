// Decoding commands to UTF-8 in blocks: lines of any length need no more memory than one output block.
#include "core/command_decoder.h"

#include "core/utf8_text.h"

namespace hexcribe {

namespace {

constexpr std::size_t kFlushSize = 1 << 20;

}  // namespace

CommandDecoder::CommandDecoder(ByteSink& sink, Input input) : lines_(sink), reader_(lines_, input) {}

bool CommandDecoder::Feed(std::string_view bytes) { return !lines_.failed() && reader_.Feed(bytes); }

bool CommandDecoder::Finish() { return !lines_.failed() && reader_.Finish() && lines_.Flush(); }

bool CommandDecoder::Flush() { return lines_.Flush(); }

void CommandDecoder::Utf8Lines::Add(char32_t codePoint) {
  AppendUtf8(text_, codePoint);
  if (text_.size() >= kFlushSize) {
    Flush();
    linePartlyWritten_ = true;
  }
}

bool CommandDecoder::Utf8Lines::EndLine() {
  text_ += '\n';
  lineStart_ = text_.size();
  linePartlyWritten_ = false;
  if (text_.size() >= kFlushSize) Flush();
  return !failed_;
}

void CommandDecoder::Utf8Lines::DropLine() {
  if (!linePartlyWritten_) text_.resize(lineStart_);
}

bool CommandDecoder::Utf8Lines::Flush() {
  if (!text_.empty() && !failed_) failed_ = !sink_.Write(text_);
  text_.clear();
  lineStart_ = 0;
  return !failed_;
}

}  // namespace hexcribe
