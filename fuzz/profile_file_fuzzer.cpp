// Fuzz target: the profile-file reader and writer on arbitrary file bytes.
// Property: write one key, read it back and get the written value; every other
// line of the file keeps its bytes (a last line may only gain a line end).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "core/profile_file.h"
#include "core/utf8_text.h"

namespace {

using hexcribe::fuzz::Check;

bool IsLineSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\v'; }

bool HasAny(std::u16string_view s, std::u16string_view chars) { return s.find_first_of(chars) != s.npos; }

// Parameters the file format can carry unchanged: no line breaks or U+0000, no
// tab or vertical tab at either end (only spaces are trimmed from parameters,
// but the reader trims all three from lines), a key that reads as a key
// ("=" ends it, ";" and "[" would start a comment or a section), a section name
// without "]", and a value without outer white space or a pair of outer quotes.
bool RoundTrips(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
  for (const auto s : {section, key, value}) {
    if (HasAny(s, std::u16string_view(u"\r\n\0", 3))) return false;
  }
  const auto trimmedEndsClean = [](std::u16string_view s) {
    while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
    return s.empty() || (!IsLineSpace(s.front()) && !IsLineSpace(s.back()));
  };
  if (!trimmedEndsClean(section) || !trimmedEndsClean(key)) return false;
  if (HasAny(section, u"]") || HasAny(key, u"=")) return false;
  std::u16string_view k = key;
  while (!k.empty() && k.front() == u' ') k.remove_prefix(1);
  if (!k.empty() && (k.front() == u';' || k.front() == u'[')) return false;
  if (!value.empty() && (IsLineSpace(value.front()) || IsLineSpace(value.back()))) return false;
  if (value.size() >= 2 && value.front() == value.back() && (value.front() == u'"' || value.front() == u'\'')) {
    return false;
  }
  return true;
}

// A file body split into lines: content and line end (CR LF, LF, CR or none).
template <class Ch>
struct Line {
  std::basic_string_view<Ch> content;
  std::basic_string_view<Ch> end;
};

template <class Ch>
std::vector<Line<Ch>> SplitLines(std::basic_string_view<Ch> body) {
  std::vector<Line<Ch>> lines;
  std::size_t pos = 0;
  while (pos < body.size()) {
    std::size_t end = pos;
    while (end < body.size() && body[end] != Ch('\r') && body[end] != Ch('\n')) ++end;
    std::size_t next = end;
    if (end < body.size()) next = (body[end] == Ch('\r') && end + 1 < body.size() && body[end + 1] == Ch('\n')) ? end + 2 : end + 1;
    lines.push_back({body.substr(pos, end - pos), body.substr(end, next - end)});
    pos = next;
  }
  return lines;
}

// The lines before and after the write differ in at most one replaced line and
// at most two inserted lines, in one place; everything around it is identical,
// except that the old last line may gain a line end. A file holding only its
// byte-order mark gets a line end before a new section, as on Windows.
template <class Ch>
void CheckOtherLinesKept(std::basic_string_view<Ch> before, std::basic_string_view<Ch> after) {
  const auto a = SplitLines(before);
  auto b = SplitLines(after);
  if (a.empty() && !b.empty() && b.front().content.empty()) b.erase(b.begin());
  std::size_t prefix = 0;
  while (prefix < a.size() && prefix < b.size() && a[prefix].content == b[prefix].content) ++prefix;
  std::size_t suffix = 0;
  while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
         a[a.size() - 1 - suffix].content == b[b.size() - 1 - suffix].content) {
    ++suffix;
  }
  const std::size_t removed = a.size() - prefix - suffix;
  const std::size_t added = b.size() - prefix - suffix;
  Check(removed <= 1 && added <= 2 && added >= removed, "more than one key's lines changed");
  const auto sameEnd = [&](const Line<Ch>& x, const Line<Ch>& y, bool lastOfBefore) {
    return x.end == y.end || (lastOfBefore && x.end.empty());
  };
  for (std::size_t i = 0; i < prefix; ++i) {
    Check(sameEnd(a[i], b[i], i + 1 == a.size()), "a line end before the written key changed");
  }
  for (std::size_t i = 0; i < suffix; ++i) {
    const std::size_t ai = a.size() - 1 - i;
    Check(sameEnd(a[ai], b[b.size() - 1 - i], ai + 1 == a.size()), "a line end after the written key changed");
  }
}

std::u16string UnitsFromLe(std::string_view bytes) {
  return hexcribe::fuzz::UnitsFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

// Layout: three length bytes (section & 15, key & 15, value & 31), then the
// section, key and value as UTF-8, then the file's bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hexcribe;
  if (size < 3) return 0;
  const std::size_t lengths[] = {data[0] & 15u, data[1] & 15u, data[2] & 31u};
  std::size_t at = 3;
  std::u16string parts[3];
  for (int i = 0; i < 3; ++i) {
    if (size - at < lengths[i]) return 0;
    parts[i] = DecodeUtf8(std::string_view(reinterpret_cast<const char*>(data + at), lengths[i]), InvalidUtf8::Replace);
    at += lengths[i];
  }
  const std::u16string& section = parts[0];
  const std::u16string& key = parts[1];
  const std::u16string& value = parts[2];
  const std::string before(reinterpret_cast<const char*>(data + at), size - at);

  const std::string after = WriteProfileEntry(before, section, key, value);
  const std::u16string fallback = u"\uFDD0 not found";
  const std::u16string readBack = ReadProfileEntry(after, section, key, fallback, after.size() + 2);
  if (!RoundTrips(section, key, value)) return 0;  // still had to survive the sanitizers

  Check(readBack == value, "reading the written key does not give the written value");
  // Writing the same value again changes nothing.
  Check(WriteProfileEntry(after, section, key, value) == after, "a second identical write changed the file");

  const bool utf16 = before.size() >= 2 && before[0] == '\xFF' && before[1] == '\xFE';
  if (utf16) {
    Check(after.size() >= 2 && after[0] == '\xFF' && after[1] == '\xFE', "a UTF-16LE file lost its byte-order mark");
    Check(before.size() % 2 == after.size() % 2, "a UTF-16LE file's odd last byte was lost");
    const std::u16string a = UnitsFromLe(std::string_view(before).substr(2));
    const std::u16string b = UnitsFromLe(std::string_view(after).substr(2));
    CheckOtherLinesKept<char16_t>(a, b);
  } else {
    const std::size_t bom = before.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    Check(std::string_view(after).substr(0, bom) == std::string_view(before).substr(0, bom), "the UTF-8 mark was lost");
    CheckOtherLinesKept<char>(std::string_view(before).substr(bom), std::string_view(after).substr(bom));
  }
  return 0;
}
