// Owners for the Win32 resources the platform services and the window hold: each released when its owner goes.
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

// A GDI or USER object (device context, font, menu) released by its own function when it goes.
template <typename Handle, auto Release>
class UniqueObject {
 public:
  explicit UniqueObject(Handle handle = nullptr) : handle_(handle) {}
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
// A font made with CreateFontIndirectW; deleted only once no window or device context uses it.
using UniqueFont = UniqueObject<HFONT, &::DeleteObject>;

// A window's device context from GetDC (the screen's for no window), given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace hexcribe::platform::win32
