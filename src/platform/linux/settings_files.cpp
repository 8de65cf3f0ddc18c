// Linux settings location and file probes: XDG config folder, folder creation, existence tests.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/linux/native_path.h"
#include "platform/linux/unique_fd.h"
#include "platform/platform.h"

namespace hexcribe::platform {
namespace {

// An absolute folder from the environment without trailing slashes, or "" when
// the variable is unset, empty, relative or names only the root.
std::string AbsoluteFolderFromEnv(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  std::string folder(value);
  while (!folder.empty() && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

std::u16string GetAppDataFolder() {
  // XDG base directories: $XDG_CONFIG_HOME, else $HOME/.config. Relative values
  // are invalid and ignored; with neither there is no settings location at all
  // (never the current folder or the root).
  if (std::string config = AbsoluteFolderFromEnv("XDG_CONFIG_HOME"); !config.empty()) {
    return posix::FromNativePath(config);
  }
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] != '/') return {};
  std::string folder(home);
  while (!folder.empty() && folder.back() == '/') folder.pop_back();
  return posix::FromNativePath(folder + "/.config");
}

char16_t PathSeparator() { return u'/'; }

bool CreateFolder(const std::u16string& path) {
  if (path.empty()) return false;
  // Private to the user: the folder holds the last text typed.
  return ::mkdir(posix::ToNativePath(path).c_str(), 0700) == 0;
}

bool IsDirectory(const std::u16string& path) {
  if (path.empty()) return false;
  struct stat st {};
  return ::stat(posix::ToNativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CanOpenForReading(const std::u16string& path) {
  if (path.empty()) return false;
  // O_NONBLOCK: opening a FIFO must not wait for a writer.
  posix::UniqueFd fd(::open(posix::ToNativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!fd) return false;
  struct stat st {};
  return ::fstat(fd.get(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool CreateNewEmptyFile(const std::u16string& path) {
  if (path.empty()) return false;
  // O_EXCL: never truncate or replace whatever is already there (a dangling
  // symlink included).
  posix::UniqueFd fd(::open(posix::ToNativePath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600));
  return fd && fd.Close();
}

}  // namespace hexcribe::platform
