// The running executable's full path, from the kernel's /proc/self/exe link.
#include <unistd.h>

#include <string>

#include "platform/linux/native_path.h"
#include "platform/platform.h"

namespace hexcribe::platform {

std::u16string GetOwnModulePath() {
  // The link target has no fixed length limit: grow the buffer until it fits.
  std::string buffer(256, '\0');
  for (int attempt = 0; attempt < 8; ++attempt) {
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(n));
      return posix::FromNativePath(buffer);
    }
    buffer.resize(buffer.size() * 4);
  }
  return {};
}

}  // namespace hexcribe::platform
