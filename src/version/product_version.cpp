// The product version read from an executable's own version data, and the window title made from it.
#include "version/product_version.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "platform/platform.h"

namespace hexcribe {

namespace {

// String tables tried in order: Korean first, then U.S. English (both Unicode).
constexpr std::u16string_view kLanguages[] = {u"041204B0", u"040904b0"};

// The tokens wcstok yields for the single delimiter ',': consecutive, leading and
// trailing commas produce no empty tokens.
std::vector<std::u16string_view> SplitOnCommas(std::u16string_view text) {
  std::vector<std::u16string_view> tokens;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == u',') {
      ++pos;
      continue;
    }
    const std::size_t end = std::min(text.find(u',', pos), text.size());
    tokens.push_back(text.substr(pos, end - pos));
    pos = end;
  }
  return tokens;
}

bool IsCrtSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// _wtoi: leading white space, an optional sign, then decimal digits up to the
// first other character; no digits gives 0. Out-of-range values saturate at
// INT_MAX / INT_MIN as the C runtime documents, instead of overflowing.
std::int32_t WToI(std::u16string_view token) {
  std::size_t i = 0;
  while (i < token.size() && IsCrtSpace(token[i])) ++i;
  bool negative = false;
  if (i < token.size() && (token[i] == u'+' || token[i] == u'-')) negative = token[i++] == u'-';
  std::int64_t magnitude = 0;
  for (; i < token.size() && token[i] >= u'0' && token[i] <= u'9'; ++i) {
    magnitude = std::min<std::int64_t>(magnitude * 10 + (token[i] - u'0'), std::int64_t{INT_MAX} + 1);
  }
  if (negative) return static_cast<std::int32_t>(-magnitude);  // -(INT_MAX + 1) is INT_MIN
  return static_cast<std::int32_t>(std::min<std::int64_t>(magnitude, INT_MAX));
}

}  // namespace

bool ReadProductVersionParts(const std::u16string& path, std::vector<std::uint32_t>& parts) {
  const std::u16string file = path.empty() ? platform::GetOwnModulePath() : path;
  parts.clear();
  // A missing or unreadable file has no version data: both readers answer nullopt for it.
  if (file.empty()) return false;

  std::optional<std::u16string> value;
  for (std::u16string_view language : kLanguages) {
    value = platform::QueryVersionString(file, language, u"ProductVersion");
    if (value) break;
  }
  if (!value) return false;

  const std::vector<std::u16string_view> tokens = SplitOnCommas(*value);
  if (tokens.size() < 4) return false;
  for (std::size_t i = 0; i < 4; ++i) parts.push_back(static_cast<std::uint32_t>(WToI(tokens[i])));
  return true;
}

int GetVersionNumber(const std::u16string& path, std::uint32_t* fourth) {
  const std::u16string file = path.empty() ? platform::GetOwnModulePath() : path;
  std::vector<std::uint32_t> parts;
  if (!ReadProductVersionParts(file, parts) || parts.size() != 4) return 0;
  if (fourth != nullptr) *fourth = parts[3];
  const std::uint32_t number = (parts[0] % 100u) * 100u + (parts[1] % 10u) * 10u + parts[2] % 10u;
  return static_cast<int>(number);
}

std::u16string FormatVersionNumber(int number) {
  auto decimal = [](int value) {
    char digits[12];
    char* end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    return std::u16string(std::begin(digits), end);
  };
  return decimal((number / 100) % 100) + u"." + decimal((number / 10) % 10) + decimal(number % 10);
}

std::u16string MakeTitleText() { return u"Hexcribe v" + FormatVersionNumber(GetVersionNumber(u"")); }

}  // namespace hexcribe
