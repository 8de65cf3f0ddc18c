// Win32 version data: the running module's long path and strings of an executable's version resource.
#include "platform/win32/windows_api.h"

#include <cwchar>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/wide_text.h"

namespace hexcribe::platform {

using win32::FromWide;
using win32::ToWide;

namespace {

// Longest path the wide API handles.
constexpr DWORD kLongestPath = 32768;

std::wstring ModuleFileName(HMODULE module) {
  // Start with MAX_PATH and grow: a truncated name would name another file.
  for (DWORD size = MAX_PATH; size <= kLongestPath; size *= 2) {
    std::vector<wchar_t> buffer(size, L'\0');
    const DWORD length = ::GetModuleFileNameW(module, buffer.data(), size);
    if (length == 0) return {};
    if (length < size) return std::wstring(buffer.data(), length);
  }
  return {};
}

std::wstring LongPathName(const std::wstring& path) {
  DWORD size = MAX_PATH;
  for (int attempt = 0; attempt < 3; ++attempt) {
    std::vector<wchar_t> buffer(size, L'\0');
    const DWORD length = ::GetLongPathNameW(path.c_str(), buffer.data(), size);
    // The short form still names the file when the long one cannot be had.
    if (length == 0) return path;
    if (length < size) return std::wstring(buffer.data(), length);
    size = length;  // the size needed, terminator included
  }
  return path;
}

}  // namespace

std::u16string GetOwnModulePath() {
  const HMODULE module = ::GetModuleHandleW(nullptr);
  if (module == nullptr) return {};
  const std::wstring path = ModuleFileName(module);
  if (path.empty()) return {};
  return FromWide(LongPathName(path));
}

std::optional<std::u16string> QueryVersionString(const std::u16string& path, std::u16string_view language,
                                                 std::u16string_view name) {
  if (path.empty()) return std::nullopt;
  const std::wstring widePath = ToWide(path);
  // The resource's own size rather than a fixed buffer, which would cut a
  // large resource short without an error.
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(widePath.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<unsigned char> data(size);
  if (!::GetFileVersionInfoW(widePath.c_str(), 0, size, data.data())) return std::nullopt;

  const std::wstring subBlock = L"\\StringFileInfo\\" + ToWide(language) + L"\\" + ToWide(name);
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(data.data(), subBlock.c_str(), &value, &length) || value == nullptr) return std::nullopt;
  // length counts characters, with or without the terminator depending on the
  // resource compiler; never read past it.
  const auto* text = static_cast<const wchar_t*>(value);
  return FromWide(std::wstring_view(text, ::wcsnlen(text, length)));
}

}  // namespace hexcribe::platform
