// Writes commands to a sink piece by piece, byte for byte as the core builds them for the whole text.
#include "cli/command_writer.h"

#include "core/command_builder.h"

namespace hexcribe::cli {

namespace {
// Large enough that each write costs little, small enough to keep memory flat.
constexpr std::size_t kFlushSize = 1 << 20;
}  // namespace

CommandWriter::CommandWriter(ByteSink& sink, Separator separator, bool wholeCommand, bool withCount)
    : sink_(sink),
      separator_(separator),
      wholeCommand_(wholeCommand),
      withCount_(withCount) {
  buffer_.reserve(kFlushSize + (kFlushSize >> 2));
}

void CommandWriter::Begin() {
  open_ = true;
  units_ = 0;
  commandStart_ = buffer_.size();
  commandPartlyWritten_ = false;
  if (wholeCommand_) buffer_ += kCommandPrefix;
}

void CommandWriter::Add(std::u16string_view units) {
  if (units.empty()) return;
  // Pieces joined by the separator give the same list as the whole text joined at once.
  if (units_ != 0) buffer_ += SeparatorText(separator_);
  AppendCommand(buffer_, units, separator_, false);
  units_ += units.size();
  FlushIfLarge();
}

void CommandWriter::End() {
  if (wholeCommand_) buffer_ += kCommandSuffix;
  if (withCount_) {
    buffer_ += '\t';
    buffer_ += std::to_string(units_ * 2);
  }
  buffer_ += '\n';
  open_ = false;
  commandStart_ = buffer_.size();
  FlushIfLarge();
}

void CommandWriter::Discard() {
  if (open_ && !commandPartlyWritten_) buffer_.resize(commandStart_);
  open_ = false;
}

void CommandWriter::FlushIfLarge() {
  if (buffer_.size() >= kFlushSize) Flush();
}

bool CommandWriter::Flush() {
  if (!buffer_.empty() && !failed_) failed_ = !sink_.Write(buffer_);
  buffer_.clear();
  if (open_) commandPartlyWritten_ = true;
  commandStart_ = 0;
  return !failed_;
}

}  // namespace hexcribe::cli
