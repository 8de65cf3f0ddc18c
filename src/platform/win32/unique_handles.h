// Owners for the Win32 resources the platform services hold for the length of one call.
#pragma once

#include "platform/win32/windows_api.h"

#include <utility>

namespace hexcribe::platform::win32 {

// A kernel handle (file, event...) closed with CloseHandle.
class UniqueHandle {
 public:
  explicit UniqueHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
  ~UniqueHandle() { Close(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE get() const { return handle_; }
  // Closes now and tells whether closing succeeded (a failed close of a file
  // written to can mean lost data).
  bool Close() {
    if (!*this) return true;
    const bool ok = ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
    return ok;
  }

 private:
  HANDLE handle_;
};

// A device context made with CreateDCW, released with DeleteDC.
class UniqueDc {
 public:
  explicit UniqueDc(HDC dc) : dc_(dc) {}
  ~UniqueDc() {
    if (dc_ != nullptr) ::DeleteDC(dc_);
  }
  UniqueDc(const UniqueDc&) = delete;
  UniqueDc& operator=(const UniqueDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace hexcribe::platform::win32
