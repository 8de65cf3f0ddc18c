// The lock that serialises every read and save of one settings file among all running instances.
#pragma once

#include "platform/win32/windows_api.h"

#include <string>

#include "platform/win32/unique_handles.h"

namespace hexcribe::platform::win32 {

// Holds a named mutex derived from the file's full path for as long as it
// lives. A mutex rather than a byte-range lock on the file itself: the save
// replaces the file, so a lock on the old file would not stop a second save
// that opens the new one, and an open handle on the target would make the
// replacing rename fail. The system releases the mutex of a killed process
// (the next owner sees it abandoned), so a killed save never blocks the next.
class SaveLock {
 public:
  explicit SaveLock(const std::wstring& path);
  ~SaveLock();
  SaveLock(const SaveLock&) = delete;
  SaveLock& operator=(const SaveLock&) = delete;

  // True when this process owns the mutex; false when it could not be made or
  // another instance held it too long (the caller then works unlocked).
  bool held() const { return held_; }

 private:
  UniqueHandle mutex_{nullptr};
  bool held_ = false;
};

// The mutex name for a path: the same for every spelling of the same full
// path (case ignored), and free of backslashes, which a name may not hold.
std::wstring SaveLockName(const std::wstring& path);

}  // namespace hexcribe::platform::win32
