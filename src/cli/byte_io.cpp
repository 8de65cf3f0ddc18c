// In-memory byte source used by tests and for text given on the command line.
#include "cli/byte_io.h"

#include <algorithm>
#include <cstring>

namespace hexcribe::cli {

std::size_t MemorySource::Read(char* buffer, std::size_t size) {
  const std::size_t n = std::min({size, maxPiece_, data_.size()});
  if (n != 0) std::memcpy(buffer, data_.data(), n);
  data_.remove_prefix(n);
  return n;
}

}  // namespace hexcribe::cli
