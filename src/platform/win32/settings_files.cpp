// Win32 settings location and file probes: the shell's roaming application-data folder, folders, existence tests.
#include "platform/win32/windows_api.h"
#include <shlobj.h>

#include <string>

#include "platform/platform.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/wide_text.h"

namespace hexcribe::platform {

using win32::FromWide;
using win32::ToWide;

std::u16string GetAppDataFolder() {
  PIDLIST_ABSOLUTE idList = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_APPDATA, &idList)) || idList == nullptr) return {};
  wchar_t buffer[MAX_PATH] = {};
  const bool ok = ::SHGetPathFromIDListW(idList, buffer) != FALSE;
  ::CoTaskMemFree(idList);
  if (!ok) return {};
  std::wstring folder(buffer);
  // The shell gives no trailing backslash except for a drive root ("C:\").
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return FromWide(folder);
}

char16_t PathSeparator() { return u'\\'; }

bool CreateFolder(const std::u16string& path) {
  if (path.empty()) return false;
  return ::CreateDirectoryW(ToWide(path).c_str(), nullptr) != 0;
}

bool IsDirectory(const std::u16string& path) {
  if (path.empty()) return false;
  // The attributes of the path itself: wildcards are not expanded (a search
  // would match "*" against other names) and drive roots count as folders.
  const DWORD attributes = ::GetFileAttributesW(ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CanOpenForReading(const std::u16string& path) {
  if (path.empty()) return false;
  // Full sharing: a file another program has open still counts as present.
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open.
  win32::UniqueHandle file(::CreateFileW(ToWide(path).c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return static_cast<bool>(file);
}

bool CreateNewEmptyFile(const std::u16string& path) {
  if (path.empty()) return false;
  const std::wstring widePath = ToWide(path);
  // CREATE_NEW: never truncate or replace an existing file.
  win32::UniqueHandle file(
      ::CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  // The profile functions write a new file in the ANSI code page, which turns
  // letters outside it (a Korean face name on a Western system) into "?". A
  // file that starts with a UTF-16LE byte-order mark is kept in UTF-16LE.
  static constexpr unsigned char kUtf16LeBom[] = {0xFF, 0xFE};
  DWORD written = 0;
  const bool wrote = ::WriteFile(file.get(), kUtf16LeBom, sizeof kUtf16LeBom, &written, nullptr) != 0 &&
                     written == sizeof kUtf16LeBom;
  if (file.Close() && wrote) return true;
  // Leave nothing half-made behind: the file is ours, we just created it.
  ::DeleteFileW(widePath.c_str());
  return false;
}

}  // namespace hexcribe::platform
