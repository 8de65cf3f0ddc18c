// Byte sources and sinks the command-line tool reads from and writes to, and in-memory versions for tests.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/byte_sink.h"

namespace hexcribe::cli {

// A stream of input bytes read in pieces.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to size bytes into buffer; 0 at the end of the input or after a
  // read error (then Failed() is true).
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
  virtual bool Failed() const = 0;
  // Why the last read failed, for the error message.
  virtual std::string ErrorText() const { return "read error"; }
};

// Output goes to the core's sinks (the command decoder writes to them too).
using hexcribe::ByteSink;
using hexcribe::StringSink;

// Reads a string, at most maxPiece bytes per call (small pieces let tests cut
// characters and lines at every position).
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string_view data, std::size_t maxPiece = static_cast<std::size_t>(-1))
      : data_(data), maxPiece_(maxPiece == 0 ? 1 : maxPiece) {}
  std::size_t Read(char* buffer, std::size_t size) override;
  bool Failed() const override { return false; }

 private:
  std::string_view data_;
  std::size_t maxPiece_;
};

}  // namespace hexcribe::cli
