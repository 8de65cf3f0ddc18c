// Where streamed output goes: an interface the decoders write to, and a sink that keeps it in a string.
#pragma once

#include <string>
#include <string_view>

namespace hexcribe {

// A destination for output bytes.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // False when the bytes could not be written.
  virtual bool Write(std::string_view bytes) = 0;
  // Why the last write failed ("No space left on device"), or empty when unknown.
  virtual std::string ErrorText() const { return {}; }
};

// Collects everything written into a string.
class StringSink final : public ByteSink {
 public:
  bool Write(std::string_view bytes) override {
    data += bytes;
    return true;
  }
  std::string data;
};

}  // namespace hexcribe
