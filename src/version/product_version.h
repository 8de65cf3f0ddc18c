// The product version read from an executable's own version data, and the window title made from it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hexcribe {

// The four numbers of the "ProductVersion" string ("1, 0, 0, 1") of the file at
// path (empty path: the running executable). False, with parts empty, when the
// file or its version data is missing or the string has fewer than four numbers.
bool ReadProductVersionParts(const std::u16string& path, std::vector<std::uint32_t>& parts);

// (major mod 100) * 100 + (minor mod 10) * 10 + (third mod 10); 0 on any failure.
// fourth, when given, receives the fourth number.
int GetVersionNumber(const std::u16string& path, std::uint32_t* fourth = nullptr);

// 100 -> "1.00", 1235 -> "12.35".
std::u16string FormatVersionNumber(int number);

// "Hexcribe v" + FormatVersionNumber(GetVersionNumber(u"")).
std::u16string MakeTitleText();

}  // namespace hexcribe
