// Output for a console window: UTF-8 bytes in, whole characters out as UTF-16 units.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cli/byte_io.h"

namespace hexcribe::cli {

// Takes the tool's UTF-8 output in pieces of any size and hands each piece's
// complete characters on as UTF-16 units; a character cut at the end of a
// piece waits for the next one. Bytes that are no UTF-8 show as U+FFFD, one
// per byte. The generalised three-byte form of a surrogate (which the tool
// writes for a lone surrogate in decoded text) passes on as that unit.
class ConsoleTextSink final : public ByteSink {
 public:
  // Writes units to the console; false when that failed.
  using WriteUnits = std::function<bool(std::u16string_view units)>;

  explicit ConsoleTextSink(WriteUnits write) : write_(std::move(write)) {}
  bool Write(std::string_view bytes) override;
  // The end of the output: a character still cut short shows as U+FFFD.
  // False when any write failed.
  bool Close();

 private:
  WriteUnits write_;
  std::string pending_;
  bool failed_ = false;
};

// Decodes the complete characters at the front of bytes into out and gives how
// many bytes they took; the rest is the start of a character cut short.
std::size_t DecodeForConsole(std::string_view bytes, std::u16string& out);

}  // namespace hexcribe::cli
