// Win32 profile functions: the kernel's GetPrivateProfileStringW with room that grows until the
// value fits, and WritePrivateProfileStringW applied to a temporary copy that then replaces the
// settings file in one step.
#include "platform/win32/windows_api.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/profile_file.h"
#include "core/unicode.h"
#include "platform/platform.h"
#include "platform/win32/save_lock.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/wide_text.h"

namespace hexcribe::platform {
namespace {

using win32::FromWide;
using win32::SaveLock;
using win32::ToWide;
using win32::UniqueHandle;

// A settings file holds at most a few hundred kilobytes; anything beyond this
// is not one of ours and is neither copied nor rewritten.
constexpr LONGLONG kMaxFileBytes = 64 * 1024 * 1024;

// The room of a first read: every value of a settings file fits that was
// written before the whole text was kept.
constexpr std::size_t kFirstReadUnits = 2048;

// The kernel's reader keeps a value's length in 16 bits: a value of 65,536
// units or more comes back cut to its length modulo 65,536 (empty at 65,536),
// with no error. Any encoding needs at least one byte per unit, so only a file
// of at least this many bytes can hold such a value.
constexpr std::size_t kKernelValueUnits = 65536;

// The temporary copy is named "<file>.tmp-" and six hex digits.
constexpr wchar_t kTemporaryInfix[] = L".tmp-";
constexpr std::size_t kTemporarySuffixDigits = 6;

std::optional<std::string> ReadAll(HANDLE file) {
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file, &size) || size.QuadPart > kMaxFileBytes) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!::ReadFile(file, bytes.data() + done, want, &got, nullptr)) return std::nullopt;
    if (got == 0) break;  // the file shrank meanwhile: what is there is the content
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// Deletes the temporary copy unless the save got as far as moving it into place.
class TemporaryFile {
 public:
  TemporaryFile() = default;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!path_.empty()) ::DeleteFileW(path_.c_str());
  }
  void Own(std::wstring path) { path_ = std::move(path); }
  const std::wstring& path() const { return path_; }
  void Keep() { path_.clear(); }

 private:
  std::wstring path_;
};

// Creates a new temporary file beside `path` holding `bytes`; its name goes to
// `temporary`, which deletes it again unless the save completes.
bool CreateCopy(const std::wstring& path, std::string_view bytes, TemporaryFile& temporary) {
  DWORD seed = ::GetTickCount() ^ (::GetCurrentProcessId() << 12);
  for (int attempt = 0; attempt < 100; ++attempt) {
    seed = seed * 1664525u + 1013904223u;
    wchar_t digits[kTemporarySuffixDigits + 1] = {};
    for (std::size_t i = 0; i < kTemporarySuffixDigits; ++i) {
      digits[i] = static_cast<wchar_t>(kUpperHexDigits[(seed >> (4 * i)) & 0xF]);
    }
    std::wstring name = path + kTemporaryInfix + digits;
    // CREATE_NEW: never reuse a file that is there already.
    UniqueHandle file(::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
    if (!file) {
      if (::GetLastError() == ERROR_FILE_EXISTS || ::GetLastError() == ERROR_ALREADY_EXISTS) continue;
      return false;
    }
    temporary.Own(std::move(name));
    return WriteAll(file.get(), bytes) && file.Close();
  }
  return false;
}

// A save killed between creating its temporary copy and moving it into place
// leaves the copy behind. Every save makes its copy only while holding the
// lock, so while we hold it any such file is a leftover of a save that died.
void RemoveStaleTemporaries(const std::wstring& path) {
  const std::wstring pattern = path + kTemporaryInfix + L"*";
  const std::size_t folderEnd = path.find_last_of(L"\\/");
  const std::wstring folder = folderEnd == std::wstring::npos ? std::wstring() : path.substr(0, folderEnd + 1);
  const std::size_t nameLength = path.size() - folder.size() + std::size(kTemporaryInfix) - 1 + kTemporarySuffixDigits;
  WIN32_FIND_DATAW found{};
  const HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    // The wildcard also matches longer names (and 8.3 short names): only our exact form goes.
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && std::wcslen(found.cFileName) == nameLength) {
      ::DeleteFileW((folder + found.cFileName).c_str());
    }
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
}

// Reads the current content for a save. nullopt when the file may not be
// replaced: a folder, a read-only file, a file another program holds open
// without sharing it for writing and deletion, or one too large to be ours.
// A missing file (in an existing folder) has empty content.
std::optional<std::string> ContentToReplace(const std::wstring& path, bool& exists) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!exists) {
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) return std::string();
    return std::nullopt;  // no folder, no access
  }
  if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) return std::nullopt;
  // DELETE access with full sharing: fails exactly when another open of the
  // file would stop it being replaced.
  UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_READ | DELETE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  return ReadAll(file.get());
}

// Makes the copy's bytes durable and gives them back.
std::optional<std::string> FlushCopy(const std::wstring& path) {
  // A null section, key and value make the profile functions write out any
  // cached state of this file.
  ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
  UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::optional<std::string> bytes = ReadAll(file.get());
  if (!bytes || !::FlushFileBuffers(file.get()) || !file.Close()) return std::nullopt;
  return bytes;
}

// Moves the copy over the file in one step. A virus scanner or indexer that
// opened the file a moment ago makes the move fail for a while: retry briefly.
bool MoveIntoPlace(const std::wstring& from, const std::wstring& to) {
  for (int attempt = 0;; ++attempt) {
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD error = ::GetLastError();
    if (attempt >= 20 || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) return false;
    ::Sleep(25);
  }
}

// True when the file's bytes already hold key=value in section as the kernel
// reads them. The portable engine follows the kernel's rules and decodes a
// UTF-16LE file as it does. Other files it decodes as UTF-8 where the kernel
// uses the ANSI code page: the two agree on an ASCII value, unless the file
// starts with a UTF-8 byte-order mark, which garbles the kernel's first line.
bool HoldsValue(std::string_view bytes, const std::u16string& section, const std::u16string& key,
                const std::u16string& value) {
  const bool utf16 = bytes.starts_with("\xFF\xFE");
  const bool ascii = std::all_of(value.begin(), value.end(), [](char16_t unit) { return unit < 0x80; });
  if (!utf16 && (!ascii || bytes.starts_with("\xEF\xBB\xBF"))) return false;
  return WriteProfileEntry(bytes, section, key, value) == bytes;
}

// GetPrivateProfileStringW with room that grows until the value fits or the
// capacity is reached. The function cuts a value that does not fit to size - 1
// units and then returns size - 1, which a value of exactly that length gives
// too: such a read is tried again with twice the room. Section and key are
// always real strings, never null: a null section or key would make the
// function list names instead of reading a value.
std::wstring KernelRead(const std::wstring& section, const std::wstring& key, const std::wstring& defaultValue,
                        std::size_t capacity, const std::wstring& path) {
  std::size_t size = std::min(capacity, kFirstReadUnits);
  for (;;) {
    std::vector<wchar_t> buffer(size, L'\0');
    const DWORD length = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                    buffer.data(), static_cast<DWORD>(size), path.c_str());
    if (length + 1 < size || size == capacity) {
      return std::wstring(buffer.data(), std::min<std::size_t>(length, size - 1));
    }
    size = std::min(capacity, size * 2);
  }
}

// The value as the portable profile reader finds it in the file's bytes, when
// it is too long for the kernel's reader; nullopt when the kernel's answer
// holds (a small file, a short value, a file that cannot be read here).
// The portable reader follows the same rules, except that it reads a file
// without a byte-order mark as UTF-8 where Windows uses the ANSI code page;
// the values this program keeps that long are hex digits, the same in both.
std::optional<std::u16string> LongValue(const std::wstring& path, const std::u16string& section,
                                        const std::u16string& key, const std::u16string& defaultValue,
                                        std::size_t capacity) {
  UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !::GetFileSizeEx(file.get(), &size) || size.QuadPart < static_cast<LONGLONG>(kKernelValueUnits)) {
    return std::nullopt;
  }
  const std::optional<std::string> bytes = ReadAll(file.get());
  if (!bytes) return std::nullopt;
  std::u16string value =
      ReadProfileEntry(*bytes, section, key, defaultValue, std::max(capacity, kKernelValueUnits + 1));
  if (value.size() < kKernelValueUnits) return std::nullopt;
  value.resize(std::min(value.size(), capacity - 1));
  return value;
}

}  // namespace

std::u16string GetProfileString(const std::u16string& section, const std::u16string& key,
                                const std::u16string& defaultValue, std::size_t capacity,
                                const std::u16string& file) {
  if (capacity == 0) return {};
  // The function takes a 32-bit size; no settings value comes near that.
  capacity = std::min<std::size_t>(capacity, 1u << 20);
  const std::wstring path = ToWide(file);
  // While a read has the file open another instance could not replace it.
  const SaveLock lock(path);
  if (std::optional<std::u16string> value = LongValue(path, section, key, defaultValue, capacity)) return *value;
  return FromWide(KernelRead(ToWide(section), ToWide(key), ToWide(defaultValue), capacity, path));
}

bool WriteProfileString(const std::u16string& section, const std::u16string& key, const std::u16string& value,
                        const std::u16string& file) {
  if (file.empty()) return false;
  const std::wstring path = ToWide(file);
  // Held from reading the old content until the new file is in place, so two
  // instances saving at once each keep the other's update.
  const SaveLock lock(path);
  bool exists = false;
  const std::optional<std::string> before = ContentToReplace(path, exists);
  if (!before) return false;
  // Without the lock a temporary copy may belong to a save still running.
  if (lock.held()) RemoveStaleTemporaries(path);
  // A close saves every value; one the file holds already is not written (nor
  // flushed) again.
  if (exists && HoldsValue(*before, section, key, value)) return true;
  // The copy starts as the file's exact bytes, so the profile function keeps
  // its encoding (a UTF-16LE file stays UTF-16LE) and its untouched lines.
  TemporaryFile temporary;
  if (!CreateCopy(path, *before, temporary)) return false;
  if (!::WritePrivateProfileStringW(ToWide(section).c_str(), ToWide(key).c_str(), ToWide(value).c_str(),
                                    temporary.path().c_str())) {
    return false;
  }
  const std::optional<std::string> after = FlushCopy(temporary.path());
  if (!after) return false;
  // Nothing changed: leave the file (and its time stamp) alone.
  if (exists && *after == *before) return true;
  if (!MoveIntoPlace(temporary.path(), path)) return false;
  temporary.Keep();
  return true;
}

}  // namespace hexcribe::platform
