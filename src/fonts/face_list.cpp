// The Font list's content: installed faces, filtered, once each, in code-unit order.
#include "fonts/face_list.h"

#include <algorithm>
#include <unordered_set>

#include "core/unicode.h"
#include "fonts/case_fold.h"
#include "platform/platform.h"

namespace hexcribe {

bool StartsWith(std::u16string_view text, std::u16string_view prefix, bool ignoreCase, int* prefixLength) {
  if (prefixLength != nullptr) *prefixLength = static_cast<int>(prefix.size());
  if (text.size() < prefix.size()) return false;
  const std::u16string_view head = text.substr(0, prefix.size());
  if (!ignoreCase) return head == prefix;
  return std::equal(head.begin(), head.end(), prefix.begin(),
                    [](char16_t a, char16_t b) { return FoldAscii(a) == FoldAscii(b); });
}

std::vector<std::u16string> BuildFaceList(const std::vector<std::u16string>& rawFaces) {
  // The set answers "seen already?" per report; the list keeps one copy of each name.
  std::unordered_set<std::u16string> seen;
  std::vector<std::u16string> faces;
  for (const std::u16string& name : rawFaces) {
    if (name == u"Terminal" || name == u"Fixedsys") continue;  // bitmap-only system faces
    if (seen.contains(name)) continue;
    if (name.empty()) continue;
    if (StartsWith(name, u"@", false)) continue;  // vertical-writing variants
    seen.insert(name);
    faces.push_back(name);
  }
  // Ordinal order of UTF-16 code units: upper case before lower case, Latin before Hangul and Han.
  std::sort(faces.begin(), faces.end());
  return faces;
}

std::vector<std::u16string> EnumerateFontFaces() { return BuildFaceList(platform::EnumerateRawFontFaces()); }

}  // namespace hexcribe
