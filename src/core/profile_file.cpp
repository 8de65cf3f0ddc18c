// The profile (INI) file format as pure functions on a file's bytes: read one key, set one key.
#include "core/profile_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/utf8_text.h"

namespace hexcribe {
namespace {

// ---- Encodings ----------------------------------------------------------------

// The file split into its encoding's code units: UTF-8 files are handled as
// bytes, UTF-16LE files as 16-bit units. Structural characters ([ ] = ; space,
// tab, CR, LF) are ASCII, so the parser works the same on both.
struct Layout {
  bool utf16 = false;
  std::size_t prefixBytes = 0;  // byte-order mark, kept as it is
  std::string_view strayByte;   // odd last byte of a UTF-16 file, kept at the end
};

Layout DetectLayout(std::string_view bytes) {
  Layout layout;
  if (bytes.size() >= 2 && static_cast<std::uint8_t>(bytes[0]) == 0xFF && static_cast<std::uint8_t>(bytes[1]) == 0xFE) {
    layout.utf16 = true;
    layout.prefixBytes = 2;
    if ((bytes.size() - 2) % 2 != 0) layout.strayByte = bytes.substr(bytes.size() - 1);
  } else if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    layout.prefixBytes = 3;
  }
  return layout;
}

std::u16string UnitsFromLe(std::string_view bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                     (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
  }
  return units;
}

std::string LeFromUnits(std::u16string_view units) {
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (const char16_t u : units) {
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  return bytes;
}

// Text <-> the file's code units.
std::u16string ToText(std::string_view units) { return DecodeUtf8(units, InvalidUtf8::Replace); }
std::u16string ToText(std::u16string_view units) { return std::u16string(units); }

template <class Ch>
std::basic_string<Ch> FromText(std::u16string_view text) {
  if constexpr (sizeof(Ch) == 1) {
    return EncodeUtf8(text, InvalidUtf8::Replace);
  } else {
    return std::u16string(text);
  }
}

// ---- Lines --------------------------------------------------------------------

template <class Ch>
bool IsLineSpace(Ch c) {
  return c == Ch(' ') || c == Ch('\t') || c == Ch('\v');
}

template <class Ch>
std::basic_string_view<Ch> TrimLineSpace(std::basic_string_view<Ch> s) {
  while (!s.empty() && IsLineSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsLineSpace(s.back())) s.remove_suffix(1);
  return s;
}

// A parameter: up to its first U+0000, then spaces (only U+0020) trimmed.
std::u16string_view TrimParameter(std::u16string_view s) {
  s = s.substr(0, s.find(u'\0'));
  while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
  return s;
}

template <class Ch>
bool SameName(std::basic_string_view<Ch> a, std::basic_string_view<Ch> b) {
  const auto fold = [](Ch c) { return (c >= Ch('A') && c <= Ch('Z')) ? Ch(c - Ch('A') + Ch('a')) : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](Ch x, Ch y) { return fold(x) == fold(y); });
}

enum class LineKind { Blank, Comment, Section, Key, Other };

template <class Ch>
struct Line {
  std::size_t begin = 0;  // content [begin, end)
  std::size_t end = 0;    // line end [end, next): CR LF, LF, CR or nothing at the end of the file
  std::size_t next = 0;
  LineKind kind = LineKind::Blank;
  std::basic_string_view<Ch> name;   // section or key name, trimmed
  std::basic_string_view<Ch> value;  // key value, trimmed, quotes not yet removed
};

template <class Ch>
Line<Ch> ParseLine(std::basic_string_view<Ch> body, std::size_t begin) {
  Line<Ch> line;
  line.begin = begin;
  std::size_t end = begin;
  while (end < body.size() && body[end] != Ch('\r') && body[end] != Ch('\n')) ++end;
  line.end = end;
  line.next = end;
  if (end < body.size()) {
    line.next = end + 1;
    if (body[end] == Ch('\r') && end + 1 < body.size() && body[end + 1] == Ch('\n')) line.next = end + 2;
  }
  const auto text = TrimLineSpace(body.substr(begin, end - begin));
  if (text.empty()) {
    line.kind = LineKind::Blank;
  } else if (text.front() == Ch(';')) {
    line.kind = LineKind::Comment;
  } else if (text.front() == Ch('[')) {
    line.kind = LineKind::Section;
    const auto inner = text.substr(1);
    line.name = TrimLineSpace(inner.substr(0, inner.find(Ch(']'))));
  } else if (const auto eq = text.find(Ch('=')); eq != text.npos) {
    line.kind = LineKind::Key;
    line.name = TrimLineSpace(text.substr(0, eq));
    line.value = TrimLineSpace(text.substr(eq + 1));
  } else {
    line.kind = LineKind::Other;
  }
  return line;
}

// Calls visit(line) for every line in order until it returns false.
template <class Ch, class Visit>
void ForEachLine(std::basic_string_view<Ch> body, Visit visit) {
  std::size_t pos = 0;
  while (pos < body.size()) {
    const Line<Ch> line = ParseLine(body, pos);
    if (!visit(line)) return;
    pos = line.next;
  }
}

template <class Ch>
std::basic_string_view<Ch> RemoveOuterQuotes(std::basic_string_view<Ch> v) {
  if (v.size() >= 2 && v.front() == v.back() && (v.front() == Ch('"') || v.front() == Ch('\''))) {
    return v.substr(1, v.size() - 2);
  }
  return v;
}

// ---- Reading ------------------------------------------------------------------

// The head of a value that gives at least `units` UTF-16 units, so that a huge
// value is not converted whole only to be cut: a unit takes at most three UTF-8
// bytes (a pair four), and one UTF-16 file unit.
template <class Ch>
std::basic_string_view<Ch> HeadForUnits(std::basic_string_view<Ch> value, std::size_t units) {
  constexpr std::size_t kMaxCodeUnitsPerUnit = sizeof(Ch) == 1 ? 3 : 1;
  if (units > value.size() / kMaxCodeUnitsPerUnit) return value;
  return value.substr(0, units * kMaxCodeUnitsPerUnit);
}

// The value of key in section, converted as far as `units` UTF-16 units reach.
template <class Ch>
std::optional<std::u16string> FindValue(std::basic_string_view<Ch> body, std::u16string_view section,
                                        std::u16string_view key, std::size_t units) {
  const auto wantSection = FromText<Ch>(section);
  const auto wantKey = FromText<Ch>(key);
  std::optional<std::u16string> found;
  bool inSection = false;
  ForEachLine(body, [&](const Line<Ch>& line) {
    if (line.kind == LineKind::Section) {
      if (inSection) return false;  // only the first matching section is searched
      inSection = SameName<Ch>(line.name, wantSection);
    } else if (inSection && line.kind == LineKind::Key && SameName<Ch>(line.name, wantKey)) {
      found = ToText(HeadForUnits(RemoveOuterQuotes(line.value), units));
      return false;
    }
    return true;
  });
  return found;
}

// ---- Writing ------------------------------------------------------------------

template <class Ch>
std::basic_string<Ch> FirstLineEnd(std::basic_string_view<Ch> body) {
  const auto pos = body.find_first_of(FromText<Ch>(u"\r\n"));
  if (pos == body.npos) return FromText<Ch>(u"\r\n");
  if (body[pos] == Ch('\r')) {
    return (pos + 1 < body.size() && body[pos + 1] == Ch('\n')) ? FromText<Ch>(u"\r\n") : FromText<Ch>(u"\r");
  }
  return FromText<Ch>(u"\n");
}

// The new body, or nullopt when it would not change.
template <class Ch>
std::optional<std::basic_string<Ch>> SetValue(std::basic_string_view<Ch> body, bool fileEmpty,
                                              std::u16string_view section, std::u16string_view key,
                                              std::u16string_view value) {
  using String = std::basic_string<Ch>;
  const String wantSection = FromText<Ch>(section);
  const String wantKey = FromText<Ch>(key);
  const String newValue = FromText<Ch>(value);
  const String nl = FirstLineEnd(body);

  bool inSection = false;
  bool sectionFound = false;
  std::optional<Line<Ch>> keyLine;
  Line<Ch> anchor;  // the line after which a new key goes
  ForEachLine(body, [&](const Line<Ch>& line) {
    if (line.kind == LineKind::Section) {
      if (inSection) return false;
      inSection = SameName<Ch>(line.name, wantSection);
      if (inSection) {
        sectionFound = true;
        anchor = line;
      }
    } else if (inSection && (line.kind == LineKind::Key || line.kind == LineKind::Other)) {
      if (line.kind == LineKind::Key && SameName<Ch>(line.name, wantKey)) {
        keyLine = line;
        return false;
      }
      anchor = line;
    }
    return true;
  });

  String out;
  out.reserve(body.size() + wantSection.size() + wantKey.size() + newValue.size() + 8);
  if (keyLine) {
    if (keyLine->value == std::basic_string_view<Ch>(newValue)) return std::nullopt;
    out.append(body.substr(0, keyLine->begin));
    out.append(keyLine->name).append(1, Ch('=')).append(newValue);
    if (keyLine->next == keyLine->end) {
      out.append(nl);
    } else {
      out.append(body.substr(keyLine->end));
    }
  } else if (sectionFound) {
    out.append(body.substr(0, anchor.next));
    if (anchor.next == anchor.end) out.append(nl);
    out.append(wantKey).append(1, Ch('=')).append(newValue).append(nl);
    out.append(body.substr(anchor.next));
  } else {
    out.append(body);
    // A non-empty file that does not end with a line end gets one first
    // (a file holding only a byte-order mark counts as non-empty).
    if (!fileEmpty && (body.empty() || (body.back() != Ch('\n') && body.back() != Ch('\r')))) out.append(nl);
    out.append(1, Ch('[')).append(wantSection).append(1, Ch(']')).append(nl);
    out.append(wantKey).append(1, Ch('=')).append(newValue).append(nl);
  }
  return out;
}

}  // namespace

std::u16string ReadProfileEntry(std::string_view fileBytes, std::u16string_view section, std::u16string_view key,
                                std::u16string_view defaultValue, std::size_t capacity) {
  if (capacity == 0) return {};
  const Layout layout = DetectLayout(fileBytes);
  const std::string_view rest = fileBytes.substr(layout.prefixBytes);
  section = TrimParameter(section);
  key = TrimParameter(key);
  std::optional<std::u16string> value;
  if (layout.utf16) {
    const std::u16string units = UnitsFromLe(rest);
    value = FindValue<char16_t>(units, section, key, capacity);
  } else {
    value = FindValue<char>(rest, section, key, capacity);
  }
  if (!value) {
    std::u16string_view def = defaultValue.substr(0, defaultValue.find(u'\0'));
    while (!def.empty() && def.back() == u' ') def.remove_suffix(1);
    value = std::u16string(def);
  }
  if (value->size() > capacity - 1) value->resize(capacity - 1);
  return *value;
}

std::string WriteProfileEntry(std::string_view fileBytes, std::u16string_view section, std::u16string_view key,
                              std::u16string_view value) {
  const Layout layout = DetectLayout(fileBytes);
  const std::string_view prefix = fileBytes.substr(0, layout.prefixBytes);
  const std::string_view rest = fileBytes.substr(layout.prefixBytes);
  section = TrimParameter(section);
  key = TrimParameter(key);
  value = value.substr(0, value.find(u'\0'));
  const bool fileEmpty = fileBytes.empty();
  if (layout.utf16) {
    const std::u16string units = UnitsFromLe(rest.substr(0, rest.size() - layout.strayByte.size()));
    const auto changed = SetValue<char16_t>(units, fileEmpty, section, key, value);
    if (!changed) return std::string(fileBytes);
    return std::string(prefix) + LeFromUnits(*changed) + std::string(layout.strayByte);
  }
  const auto changed = SetValue<char>(rest, fileEmpty, section, key, value);
  if (!changed) return std::string(fileBytes);
  return std::string(prefix) + *changed;
}

}  // namespace hexcribe
