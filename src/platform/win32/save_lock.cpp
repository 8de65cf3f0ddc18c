// The lock that serialises every read and save of one settings file among all running instances.
#include "platform/win32/save_lock.h"

#include <cstdint>
#include <cwchar>
#include <vector>

namespace hexcribe::platform::win32 {
namespace {

// A save takes milliseconds; an owner that holds the lock this long is hung,
// and waiting for it forever would hang this instance's window too.
constexpr DWORD kWaitMilliseconds = 30000;

std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::vector<wchar_t> buffer(needed, L'\0');
  const DWORD length = ::GetFullPathNameW(path.c_str(), needed, buffer.data(), nullptr);
  if (length == 0 || length >= needed) return path;
  return std::wstring(buffer.data(), length);
}

}  // namespace

std::wstring SaveLockName(const std::wstring& path) {
  std::wstring full = FullPath(path);
  if (!full.empty()) ::CharUpperBuffW(full.data(), static_cast<DWORD>(full.size()));
  // 64-bit FNV-1a over the UTF-16 units of the upper-cased full path.
  std::uint64_t hash = 14695981039346656037ull;
  for (const wchar_t unit : full) {
    hash ^= static_cast<std::uint16_t>(unit);
    hash *= 1099511628211ull;
  }
  wchar_t digits[17] = {};
  std::swprintf(digits, 17, L"%016llx", static_cast<unsigned long long>(hash));
  // Local\: the user's own session, where the user's own settings file is used.
  return L"Local\\Hexcribe.settings." + std::wstring(digits);
}

SaveLock::SaveLock(const std::wstring& path) {
  mutex_ = UniqueHandle(::CreateMutexW(nullptr, FALSE, SaveLockName(path).c_str()));
  if (!mutex_) return;
  const DWORD wait = ::WaitForSingleObject(mutex_.get(), kWaitMilliseconds);
  // WAIT_ABANDONED: the previous owner died (possibly mid-save); the mutex is
  // ours now and the file is still whole, since saves replace it in one step.
  held_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

SaveLock::~SaveLock() {
  if (held_) ::ReleaseMutex(mutex_.get());
}

}  // namespace hexcribe::platform::win32
