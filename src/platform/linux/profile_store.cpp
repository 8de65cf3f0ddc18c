// Linux profile functions: read one key, and set one key with a locked, atomic save.
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/linux/native_path.h"
#include "platform/linux/unique_fd.h"
#include "platform/platform.h"
#include "core/profile_file.h"

namespace hexcribe::platform {
namespace {

using posix::UniqueFd;

// A settings file is a few hundred bytes; anything beyond this is not one of
// ours and is neither parsed nor rewritten.
constexpr off_t kMaxFileBytes = 64 * 1024 * 1024;

template <class Call>
auto RetryOnInterrupt(Call call) {
  for (;;) {
    auto result = call();
    if (result >= 0 || errno != EINTR) return result;
  }
}

std::optional<std::string> ReadAll(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxFileBytes) return std::nullopt;
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = RetryOnInterrupt([&] { return ::read(fd, buffer, sizeof buffer); });
    if (n < 0) return std::nullopt;
    if (n == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(n));
    if (bytes.size() > static_cast<std::size_t>(kMaxFileBytes)) return std::nullopt;
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = RetryOnInterrupt([&] { return ::write(fd, bytes.data(), bytes.size()); });
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The file a path finally names after following symlinks (the file itself
// need not exist). "" for a symlink loop or an unreadable link.
std::string FollowSymlinks(std::string path) {
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof target) return {};
    std::string next(target, static_cast<std::size_t>(n));
    if (next.front() != '/') next = posix::FolderOf(path) + "/" + next;
    path = std::move(next);
  }
  return {};
}

// Removes the temporary file unless the save got as far as renaming it.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  const std::string& path() const { return path_; }
  void Keep() { path_.clear(); }

 private:
  std::string path_;
};

// Windows refuses to write a read-only file, whoever asks. Here root could
// write any file, so the permission bits are checked as well.
bool MayReplace(const std::string& path, const struct stat& st) {
  return (st.st_mode & 0222) != 0 && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// True when the process may create a file of `size` bytes. Writing past the
// file-size limit (RLIMIT_FSIZE) raises SIGXFSZ, which ends the program unless
// it is ignored: refuse such a save up front instead.
bool WithinFileSizeLimit(std::size_t size) {
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return true;
  return size <= limit.rlim_cur;
}

// A save killed between creating its temporary file and renaming it leaves
// ".<name>.tmp-XXXXXX" behind. Every save creates its temporary file only while
// holding the lock on the current file, so while we hold it any such file is a
// leftover of a save that died: remove it, so they do not pile up.
void RemoveStaleTemporaries(const std::string& path) {
  const std::string folder = posix::FolderOf(path);
  std::string prefix(1, '.');
  prefix.append(path, path.find_last_of('/') + 1).append(".tmp-");
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0) {
      ::unlinkat(::dirfd(dir), name.c_str(), 0);
    }
  }
  ::closedir(dir);
}

// Replaces the file's content so that readers see either the old or the new
// bytes, never a mix or an empty file: a temporary file in the same folder gets
// the file's owner and permission bits and the new bytes, is flushed to disk
// and renamed over the file.
bool ReplaceContent(const std::string& path, const struct stat& st, std::string_view bytes) {
  const std::string folder = posix::FolderOf(path);
  const std::string name = path.substr(path.find_last_of('/') + 1);
  if (!WithinFileSizeLimit(bytes.size())) return false;
  std::string pattern = folder + "/." + name + ".tmp-XXXXXX";
  UniqueFd fd(::mkostemp(pattern.data(), O_CLOEXEC));
  if (!fd) return false;
  TemporaryFile temporary(pattern);
  if (::fchown(fd.get(), st.st_uid, st.st_gid) != 0) {
    // Only root may give the file away; anyone else saves their own file.
  }
  if (::fchmod(fd.get(), st.st_mode & 07777) != 0) return false;
  if (!WriteAll(fd.get(), bytes)) return false;
  if (::fsync(fd.get()) != 0) return false;
  if (!fd.Close()) return false;
  if (::rename(temporary.path().c_str(), path.c_str()) != 0) return false;
  temporary.Keep();
  // Make the rename itself durable; the content is already safe either way.
  if (UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); dir) ::fsync(dir.get());
  return true;
}

// Some network file systems offer no locks. Saving unlocked there still never
// tears the file; only two instances saving at the same moment could then
// lose one of their updates.
bool LockingUnsupported(int error) { return error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL; }

// Opens the file (creating it when missing) and takes the exclusive lock that
// serialises every read-modify-write of it. A save renames a new file over the
// old one, so a lock won on a file that has meanwhile been replaced is worthless:
// then start over on the new file.
struct LockedFile {
  UniqueFd fd;
  bool locked = false;  // false on file systems without locks
};

// Every lap that finds the file replaced means another save has just finished,
// so the loop makes progress and a save waits while others keep finishing; the
// bound only guards against a writer that never stops.
constexpr int kMaxLockLaps = 100000;

LockedFile OpenLocked(const std::string& path) {
  for (int attempt = 0; attempt < kMaxLockLaps; ++attempt) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
    if (!fd && errno == ENOENT) {
      fd = UniqueFd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0600));
      if (!fd && errno == EEXIST) continue;
    }
    if (!fd) return {};
    struct stat held {};
    if (::fstat(fd.get(), &held) != 0 || !S_ISREG(held.st_mode)) return {};
    const bool locked = RetryOnInterrupt([&] { return ::flock(fd.get(), LOCK_EX); }) == 0;
    if (!locked && !LockingUnsupported(errno)) return {};
    struct stat current {};
    if (::stat(path.c_str(), &current) == 0 && current.st_dev == held.st_dev && current.st_ino == held.st_ino) {
      return {std::move(fd), locked};
    }
  }
  return {};
}

}  // namespace

std::u16string GetProfileString(const std::u16string& section, const std::u16string& key,
                                const std::u16string& defaultValue, std::size_t capacity,
                                const std::u16string& file) {
  // Saves are atomic renames, so an unlocked read always sees a whole file.
  std::optional<std::string> bytes;
  if (!file.empty()) {
    UniqueFd fd(::open(posix::ToNativePath(file).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd) bytes = ReadAll(fd.get());
  }
  return ReadProfileEntry(bytes ? *bytes : std::string_view(), section, key, defaultValue, capacity);
}

bool WriteProfileString(const std::u16string& section, const std::u16string& key, const std::u16string& value,
                        const std::u16string& file) {
  if (file.empty()) return false;
  // Saving through a symlink updates the file it points to and keeps the link.
  const std::string path = FollowSymlinks(posix::ToNativePath(file));
  if (path.empty()) return false;
  const LockedFile target = OpenLocked(path);
  const UniqueFd& fd = target.fd;
  if (!fd) return false;
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return false;
  const std::optional<std::string> before = ReadAll(fd.get());
  if (!before) return false;
  const std::string after = WriteProfileEntry(*before, section, key, value);
  if (after == *before) return true;
  if (!MayReplace(path, st)) return false;
  // Without the lock a temporary file may belong to a save still running.
  if (target.locked) RemoveStaleTemporaries(path);
  // The lock is released with fd, after the new file is in place.
  return ReplaceContent(path, st, after);
}

}  // namespace hexcribe::platform
