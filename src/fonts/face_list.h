// The Font list's content: installed faces, filtered, once each, in code-unit order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hexcribe {

// True when text begins with prefix (exactly, or ignoring case). prefixLength,
// when given, receives the prefix's length.
bool StartsWith(std::u16string_view text, std::u16string_view prefix, bool ignoreCase, int* prefixLength = nullptr);

// From raw face reports (a face may be reported many times): drops "Terminal"
// and "Fixedsys" (case-sensitive), duplicates, the empty name and "@" names,
// then sorts by UTF-16 code unit.
std::vector<std::u16string> BuildFaceList(const std::vector<std::u16string>& rawFaces);

// The installed faces as the Font list shows them (platform enumeration + BuildFaceList).
std::vector<std::u16string> EnumerateFontFaces();

}  // namespace hexcribe
