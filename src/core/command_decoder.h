// Turns print commands or bare hex numbers, one per line, back into UTF-8 text, as a stream: for
// hexcribe-cli --decode.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/byte_sink.h"
#include "core/command_reader.h"

namespace hexcribe {

// Reads commands as core/command_reader.h describes them and writes each line's text in UTF-8
// followed by a newline. A line is written only once it has been checked, unless it grows past
// the output buffer. The first malformed line stops decoding.
class CommandDecoder {
 public:
  using Input = CommandReader::Input;

  explicit CommandDecoder(ByteSink& sink, Input input = Input::kStream);

  // False at the first malformed line (error() tells where) or when writing failed.
  bool Feed(std::string_view bytes);
  // The end of the input: checks a last line that has no LF.
  bool Finish();
  bool Flush();
  // After a read error: forgets the line read so far unless part of it was written already.
  void DropUnfinishedLine() { lines_.DropLine(); }

  bool writeFailed() const { return lines_.failed(); }
  const DecodeError& error() const { return reader_.error(); }

 private:
  // The checked lines and the line being read, in UTF-8, until they are written to the sink.
  class Utf8Lines final : public LineSink {
   public:
    explicit Utf8Lines(ByteSink& sink) : sink_(sink) {}
    void Add(char32_t codePoint) override;
    bool EndLine() override;
    void DropLine() override;
    bool Flush();
    bool failed() const { return failed_; }

   private:
    ByteSink& sink_;
    std::string text_;
    std::size_t lineStart_ = 0;  // where the line being read starts in text_
    bool linePartlyWritten_ = false;
    bool failed_ = false;
  };

  Utf8Lines lines_;
  CommandReader reader_;
};

}  // namespace hexcribe
