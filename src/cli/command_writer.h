// Writes commands to a sink piece by piece, byte for byte as the core builds them for the whole text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/byte_io.h"
#include "core/separator.h"

namespace hexcribe::cli {

// One command may be fed in any number of pieces; the result is exactly
// BuildCommand of the whole text, followed by a newline. Output is buffered and
// handed to the sink in large blocks, so memory stays flat however long a
// command grows.
class CommandWriter {
 public:
  CommandWriter(ByteSink& sink, Separator separator, bool wholeCommand, bool withCount);

  void Begin();
  void Add(std::u16string_view units);
  // Closes the command: the wrapper's end, with a count a tab and the number of
  // bytes, then a newline.
  void End();
  // Drops the open command after an input error, when none of it has reached the sink yet.
  void Discard();
  // Hands everything buffered to the sink. False once any write failed.
  bool Flush();

  bool open() const { return open_; }
  std::uint64_t units() const { return units_; }  // in the open command so far
  bool failed() const { return failed_; }

 private:
  void FlushIfLarge();

  ByteSink& sink_;
  Separator separator_;
  bool wholeCommand_;
  bool withCount_;
  std::string buffer_;
  std::size_t commandStart_ = 0;  // where the open command begins in buffer_
  bool commandPartlyWritten_ = false;
  std::uint64_t units_ = 0;  // units in the open command
  bool open_ = false;
  bool failed_ = false;
};

}  // namespace hexcribe::cli
