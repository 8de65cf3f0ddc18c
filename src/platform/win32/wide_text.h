// UTF-16 text between the portable std::u16string and the Windows API's wchar_t strings.
#pragma once

#include <string>
#include <string_view>

namespace hexcribe::platform::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

inline std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

inline std::u16string FromWide(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace hexcribe::platform::win32
