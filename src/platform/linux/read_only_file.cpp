// A regular file opened for bounded reads at offsets; never reads past the file's size.
#include "platform/linux/read_only_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace hexcribe::platform {

ReadOnlyFile::ReadOnlyFile(const std::string& native_path) {
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  posix::UniqueFd fd(::open(native_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd) return;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) return;
  fd_ = std::move(fd);
  size_ = static_cast<std::uint64_t>(info.st_size);
}

bool ReadOnlyFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
  if (!fd_ || offset > size_ || out.size() > size_ - offset) return false;
  std::size_t done = 0;
  while (done < out.size()) {
    const ssize_t n = ::pread(fd_.get(), out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;  // error, or the file shrank under us
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace hexcribe::platform
