// Win32 profile functions: the kernel's own GetPrivateProfileStringW and WritePrivateProfileStringW.
#include "platform/win32/windows_api.h"

#include <algorithm>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/wide_text.h"

namespace hexcribe::platform {

using win32::FromWide;
using win32::ToWide;

std::u16string GetProfileString(const std::u16string& section, const std::u16string& key,
                                const std::u16string& defaultValue, std::size_t capacity,
                                const std::u16string& file) {
  if (capacity == 0) return {};
  // The function takes a 32-bit size; no settings value comes near that.
  const DWORD size = static_cast<DWORD>(std::min<std::size_t>(capacity, 1u << 20));
  std::vector<wchar_t> buffer(size, L'\0');
  // Section and key are always real strings, never null: a null section or
  // key would make the function list names instead of reading a value.
  const DWORD length = ::GetPrivateProfileStringW(ToWide(section).c_str(), ToWide(key).c_str(),
                                                  ToWide(defaultValue).c_str(), buffer.data(), size,
                                                  ToWide(file).c_str());
  return FromWide(std::wstring_view(buffer.data(), std::min<DWORD>(length, size - 1)));
}

bool WriteProfileString(const std::u16string& section, const std::u16string& key, const std::u16string& value,
                        const std::u16string& file) {
  return ::WritePrivateProfileStringW(ToWide(section).c_str(), ToWide(key).c_str(), ToWide(value).c_str(),
                                      ToWide(file).c_str()) != 0;
}

}  // namespace hexcribe::platform
