// Existence probe and empty-file creation used by the settings and version readers.
#include "settings/file_probes.h"

#include "platform/platform.h"

namespace hexcribe {

bool PathExists(const std::u16string& path) {
  if (path.empty()) return false;
  return platform::IsDirectory(path) || platform::CanOpenForReading(path);
}

bool CreateEmptyFile(const std::u16string& path) {
  if (path.empty()) return false;
  return platform::CreateNewEmptyFile(path);
}

}  // namespace hexcribe
