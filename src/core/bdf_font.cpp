// Reading a BDF bitmap font's glyph encodings, line by line; every line is looked at once.
#include "core/bdf_font.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <vector>

namespace hexcribe {
namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;

// The font's lines, CR LF or LF, each split into its keyword and the rest.
class Lines {
 public:
  explicit Lines(std::string_view text) : text_(text) {}
  bool Next() {
    if (at_ >= text_.size()) return false;
    const std::size_t end = std::min(text_.find('\n', at_), text_.size());
    std::string_view line = text_.substr(at_, end - at_);
    at_ = end + 1;
    ++number_;
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::size_t space = line.find_first_of(" \t");
    keyword_ = line.substr(0, space);
    const std::size_t value = line.find_first_not_of(" \t", space == std::string_view::npos ? line.size() : space);
    rest_ = value == std::string_view::npos ? std::string_view() : line.substr(value);
    return true;
  }
  std::string_view keyword() const { return keyword_; }
  std::string_view rest() const { return rest_; }
  std::size_t number() const { return number_; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  std::size_t number_ = 0;
  std::string_view keyword_;
  std::string_view rest_;
};

// The first number of `text` (an optional minus sign and decimal digits); false for anything else.
bool FirstNumber(std::string_view text, long long& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && (end == text.data() + text.size() || *end == ' ' || *end == '\t');
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
  return value;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The error at the current line: "line N: " and the parts.
bool Fail(std::string& error, const Lines& lines, std::initializer_list<std::string_view> parts) {
  error = "line " + std::to_string(lines.number()) + ": ";
  for (const std::string_view part : parts) error += part;
  return false;
}

}  // namespace

bool LooksLikeBdf(std::string_view text) { return text.starts_with("STARTFONT"); }

bool ReadBdfCoverage(std::string_view text, CodePointSet& glyphs, std::string& error) {
  Lines lines(text);
  if (!lines.Next() || lines.keyword() != "STARTFONT") return Fail(error, lines, {"not a BDF font (no STARTFONT)"});
  std::string_view registry;
  long long declared = -1;
  long long found = 0;
  bool inChar = false, inBitmap = false, ended = false;
  std::vector<CodePointRange> ranges;
  while (!ended && lines.Next()) {
    const std::string_view keyword = lines.keyword();
    if (inBitmap && keyword != "ENDCHAR") continue;  // bitmap rows
    if (keyword == "CHARSET_REGISTRY") {
      registry = Unquoted(lines.rest());
    } else if (keyword == "CHARS") {
      if (declared >= 0 || !FirstNumber(lines.rest(), declared) || declared < 0) return Fail(error, lines, {"bad CHARS"});
    } else if (keyword == "STARTCHAR") {
      if (inChar) return Fail(error, lines, {"STARTCHAR before the last glyph's ENDCHAR"});
      if (declared < 0) return Fail(error, lines, {"a glyph before CHARS"});
      if (++found > declared) return Fail(error, lines, {"more glyphs than CHARS says"});
      inChar = true;
    } else if (keyword == "ENCODING" && inChar) {
      long long encoding = 0;
      if (!FirstNumber(lines.rest(), encoding)) return Fail(error, lines, {"bad ENCODING"});
      if (encoding > static_cast<long long>(kLastCodePoint)) return Fail(error, lines, {"ENCODING beyond U+10FFFF"});
      // -1 marks a glyph without a code in the font's character set.
      if (encoding >= 0) ranges.push_back({static_cast<char32_t>(encoding), static_cast<char32_t>(encoding)});
    } else if (keyword == "BITMAP" && inChar) {
      inBitmap = true;
    } else if (keyword == "ENDCHAR") {
      if (!inChar) return Fail(error, lines, {"ENDCHAR without STARTCHAR"});
      inChar = inBitmap = false;
    } else if (keyword == "ENDFONT") {
      ended = true;
    }
  }
  if (!ended) return Fail(error, lines, {"the font is cut short (no ENDFONT)"});
  if (inChar) return Fail(error, lines, {"ENDFONT inside a glyph"});
  if (declared < 0) return Fail(error, lines, {"no CHARS"});
  if (found != declared) {
    return Fail(error, lines, {"CHARS says ", std::to_string(declared), " glyphs, the font has ", std::to_string(found)});
  }
  if (!EqualsIgnoringCase(registry, "ISO10646")) {
    error = "its CHARSET_REGISTRY is ";
    if (registry.empty()) error += "missing";
    else error.append("\"").append(registry).append("\"");
    error += ", not ISO10646 (Unicode)";
    return false;
  }
  glyphs = CodePointSet(std::move(ranges));
  return true;
}

}  // namespace hexcribe
