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

// A GDI or USER object (device context, menu) released by its own function when it goes.
template <typename Handle, auto Release>
class UniqueObject {
 public:
  explicit UniqueObject(Handle handle) : handle_(handle) {}
  ~UniqueObject() {
    if (handle_ != nullptr) Release(handle_);
  }
  UniqueObject(UniqueObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueObject& operator=(UniqueObject&& other) noexcept {
    if (this != &other) {
      if (handle_ != nullptr) Release(handle_);
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  UniqueObject(const UniqueObject&) = delete;
  UniqueObject& operator=(const UniqueObject&) = delete;
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives the object up to a new owner.
  Handle release() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_;
};

// A device context made with CreateDCW or CreateCompatibleDC.
using UniqueDc = UniqueObject<HDC, &::DeleteDC>;
// A menu made with CreatePopupMenu.
using UniqueMenu = UniqueObject<HMENU, &::DestroyMenu>;

}  // namespace hexcribe::platform::win32
