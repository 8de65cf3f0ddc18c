// Conversions between UTF-8 bytes and UTF-16 text for settings files and file names.
#include "core/utf8_text.h"

#include <cstdint>

#include "core/unicode.h"

namespace hexcribe {
namespace {

void AppendCodePoint(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    out.push_back(HighSurrogateOf(cp));
    out.push_back(LowSurrogateOf(cp));
  }
}

// Length of the well-formed sequence starting at bytes[i], or 0 when it is not one.
// Overlong forms, surrogates and values above U+10FFFF are rejected.
std::size_t SequenceLength(std::string_view bytes, std::size_t i, char32_t& cp) {
  const auto b = [&](std::size_t k) { return static_cast<std::uint8_t>(bytes[i + k]); };
  const std::uint8_t lead = b(0);
  std::size_t len = 0;
  char32_t lo = 0;
  if (lead < 0x80) {
    cp = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    len = 2, cp = lead & 0x1F, lo = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    len = 3, cp = lead & 0x0F, lo = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    len = 4, cp = lead & 0x07, lo = 0x10000;
  } else {
    return 0;
  }
  if (i + len > bytes.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    if ((b(k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b(k) & 0x3F);
  }
  if (cp < lo || cp > 0x10FFFF || IsSurrogate(cp)) return 0;
  return len;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::u16string DecodeUtf8(std::string_view bytes, InvalidUtf8 mode) {
  std::u16string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    char32_t cp = 0;
    const std::size_t len = SequenceLength(bytes, i, cp);
    if (len > 0) {
      AppendCodePoint(out, cp);
      i += len;
      continue;
    }
    if (mode == InvalidUtf8::Escape) {
      out.push_back(static_cast<char16_t>(0xDC00 + static_cast<std::uint8_t>(bytes[i])));
      ++i;
      continue;
    }
    // One U+FFFD for the lead byte and the continuation bytes that follow it.
    out.push_back(u'\uFFFD');
    ++i;
    while (i < bytes.size() && (static_cast<std::uint8_t>(bytes[i]) & 0xC0) == 0x80) ++i;
  }
  return out;
}

namespace {

// UTF-16 to UTF-8 with pairs combined; each lone surrogate goes to onLone(out, unit).
template <typename OnLone>
std::string Encode(std::u16string_view text, OnLone onLone) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, CombineSurrogates(u, text[i + 1]));
      ++i;
    } else if (IsSurrogate(u)) {
      onLone(out, u);
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

}  // namespace

std::string EncodeUtf8(std::u16string_view text, InvalidUtf8 mode) {
  return Encode(text, [mode](std::string& out, char16_t u) {
    if (mode == InvalidUtf8::Escape && u >= 0xDC80 && u <= 0xDCFF) {
      out.push_back(static_cast<char>(u - 0xDC00));
    } else {
      AppendUtf8(out, 0xFFFD);
    }
  });
}

std::string EncodeUtf8KeepingLoneSurrogates(std::u16string_view text) {
  return Encode(text, [](std::string& out, char16_t u) { AppendUtf8(out, u); });
}

}  // namespace hexcribe
