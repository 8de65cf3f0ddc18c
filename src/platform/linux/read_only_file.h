// A regular file opened for bounded reads at offsets; never reads past the file's size.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/linux/unique_fd.h"

namespace hexcribe::platform {

class ReadOnlyFile {
 public:
  // Opens path (native bytes) when it names a regular file; anything else
  // (folder, FIFO, device, missing) leaves the object closed.
  explicit ReadOnlyFile(const std::string& native_path);

  bool IsOpen() const { return static_cast<bool>(fd_); }
  std::uint64_t Size() const { return size_; }

  // Fills out with the bytes at offset; false (and nothing promised about out)
  // when the range does not lie wholly inside the file or the read fails.
  bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const;

 private:
  posix::UniqueFd fd_;
  std::uint64_t size_ = 0;
};

}  // namespace hexcribe::platform
