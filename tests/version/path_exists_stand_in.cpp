// Existence probe for the version tests while the settings library is not part of the build.
#include <unistd.h>

#include <filesystem>

#include "platform/linux/native_path.h"
#include "settings/file_probes.h"

namespace hexcribe {

bool PathExists(const std::u16string& path) {
  if (path.empty()) return false;
  const std::string native = platform::NativePathFromUtf16(path);
  std::error_code ignored;
  return std::filesystem::is_directory(native, ignored) || ::access(native.c_str(), R_OK) == 0;
}

}  // namespace hexcribe
