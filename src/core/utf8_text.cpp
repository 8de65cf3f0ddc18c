// UTF-8/UTF-16 codec: one decoding state machine for the strict, replacing and escaping modes, and the encoder.
#include "core/utf8_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "core/hex_text.h"
#include "core/unicode.h"

namespace hexcribe {
namespace {

// Length of the sequence a lead byte starts; 0 for bytes that cannot lead one.
inline std::size_t SequenceLength(unsigned lead) {
  if (lead < 0x80) return 1;
  if (lead < 0xC2) return 0;  // continuation bytes, and C0/C1 (always overlong)
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  if (lead < 0xF5) return 4;
  return 0;  // would encode beyond U+10FFFF, or never valid
}

// Allowed range of the byte after a lead byte; the narrower ranges exclude
// overlong forms, surrogates and code points above U+10FFFF.
inline void SecondByteRange(unsigned lead, unsigned& low, unsigned& high) {
  low = 0x80;
  high = 0xBF;
  if (lead == 0xE0) low = 0xA0;
  else if (lead == 0xED) high = 0x9F;
  else if (lead == 0xF0) low = 0x90;
  else if (lead == 0xF4) high = 0x8F;
}

inline bool IsContinuation(unsigned byte) { return (byte & 0xC0) == 0x80; }

// Checks the bytes after the lead that are present (count may be short of the
// full length). 0 when they fit, else the index of the first misfit.
inline std::size_t FirstBadFollower(const unsigned char* sequence, std::size_t count) {
  unsigned low = 0, high = 0;
  SecondByteRange(sequence[0], low, high);
  if (count > 1 && (sequence[1] < low || sequence[1] > high)) return 1;
  for (std::size_t k = 2; k < count; ++k) {
    if (!IsContinuation(sequence[k])) return k;
  }
  return 0;
}

// Writes the units of a validated sequence of two to four bytes.
inline char16_t* PutSequence(const unsigned char* s, std::size_t length, char16_t* out) {
  char32_t cp = 0;
  switch (length) {
    case 2: cp = ((s[0] & 0x1Fu) << 6) | (s[1] & 0x3Fu); break;
    case 3: cp = ((s[0] & 0x0Fu) << 12) | ((s[1] & 0x3Fu) << 6) | (s[2] & 0x3Fu); break;
    default:
      cp = ((s[0] & 0x07u) << 18) | ((s[1] & 0x3Fu) << 12) | ((s[2] & 0x3Fu) << 6) | (s[3] & 0x3Fu);
      *out++ = HighSurrogateOf(cp);
      *out++ = LowSurrogateOf(cp);
      return out;
  }
  *out++ = static_cast<char16_t>(cp);
  return out;
}

// The state machine every decoding mode runs: writes the units of the
// well-formed characters in s[i..n) and stops at the first sequence that is
// invalid or cut short by the end of s; returns where it stopped. Large inputs
// are mostly ASCII runs, so those are widened eight bytes at a time.
std::size_t DecodeWellFormed(const unsigned char* s, std::size_t n, std::size_t i, char16_t*& o) {
  while (i < n) {
    while (i + 8 <= n) {
      std::uint64_t word;
      std::memcpy(&word, s + i, 8);
      if (word & 0x8080808080808080ull) break;
      for (int k = 0; k < 8; ++k) o[k] = s[i + static_cast<std::size_t>(k)];
      o += 8;
      i += 8;
    }
    if (i >= n) break;
    const unsigned lead = s[i];
    if (lead < 0x80) {
      *o++ = static_cast<char16_t>(lead);
      ++i;
      continue;
    }
    // Two- and three-byte characters (Latin, Cyrillic, Hangul, Han...) inline.
    if (lead >= 0xC2 && lead < 0xE0 && i + 1 < n && IsContinuation(s[i + 1])) {
      *o++ = static_cast<char16_t>(((lead & 0x1Fu) << 6) | (s[i + 1] & 0x3Fu));
      i += 2;
      continue;
    }
    if (lead >= 0xE0 && lead < 0xF0 && i + 2 < n) {
      const unsigned b1 = s[i + 1];
      const unsigned b2 = s[i + 2];
      if (IsContinuation(b1) && IsContinuation(b2) && (lead != 0xE0 || b1 >= 0xA0) && (lead != 0xED || b1 < 0xA0)) {
        *o++ = static_cast<char16_t>(((lead & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu));
        i += 3;
        continue;
      }
    }
    // Four-byte characters; anything invalid or cut short ends the run.
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || length > n - i || FirstBadFollower(s + i, length) != 0) break;
    o = PutSequence(s + i, length, o);
    i += length;
  }
  return i;
}

std::string Hex(unsigned byte) { return "0x" + UpperHex(byte & 0xFFu, 2); }

std::string BadLeadReason(unsigned lead) {
  if (IsContinuation(lead)) return "unexpected continuation byte " + Hex(lead);
  if (lead == 0xC0 || lead == 0xC1) return "overlong encoding (byte " + Hex(lead) + ")";
  if (lead < 0xF8) return "code point above U+10FFFF (byte " + Hex(lead) + ")";
  return "byte " + Hex(lead) + " never occurs in UTF-8";
}

// Why the byte at `index` (1..length-1) of a sequence does not fit.
std::string BadFollowerReason(unsigned lead, std::size_t index, unsigned byte, std::size_t length) {
  if (index == 1 && IsContinuation(byte)) {
    if (lead == 0xED) return "encoded UTF-16 surrogate (" + Hex(lead) + " " + Hex(byte) + ")";
    if (lead == 0xF4) return "code point above U+10FFFF (" + Hex(lead) + " " + Hex(byte) + ")";
    return "overlong encoding (" + Hex(lead) + " " + Hex(byte) + ")";
  }
  return "incomplete " + std::to_string(length) + "-byte sequence (lead byte " + Hex(lead) + ", then " + Hex(byte) +
         ")";
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
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::u16string out(n, u'\0');  // every byte gives at most one unit
  char16_t* o = out.data();
  std::size_t i = 0;
  while ((i = DecodeWellFormed(s, n, i, o)) < n) {
    if (mode == InvalidUtf8::Escape) {
      *o++ = static_cast<char16_t>(0xDC00 + s[i]);
      ++i;
      continue;
    }
    // One U+FFFD for the lead byte and the continuation bytes that follow it.
    *o++ = u'\uFFFD';
    ++i;
    while (i < n && IsContinuation(s[i])) ++i;
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

bool Utf8Decoder::Fail(std::uint64_t offset, std::uint64_t line, std::string reason) {
  failed_ = true;
  error_ = {offset, line, std::move(reason)};
  return false;
}

long Utf8Decoder::CompletePending(const unsigned char* bytes, std::size_t size, char16_t*& out) {
  const std::size_t length = SequenceLength(pending_[0]);
  std::size_t used = 0;
  while (pendingSize_ < length && used < size) pending_[pendingSize_++] = bytes[used++];
  if (const std::size_t bad = FirstBadFollower(pending_, pendingSize_); bad != 0) {
    Fail(pendingOffset_, newlines_ + 1, BadFollowerReason(pending_[0], bad, pending_[bad], length));
    return -1;
  }
  if (pendingSize_ == length) {
    out = PutSequence(pending_, length, out);
    pendingSize_ = 0;
  }
  return static_cast<long>(used);
}

bool Utf8Decoder::Decode(std::string_view bytes, std::u16string& out) {
  if (failed_) return false;
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  const std::size_t base = out.size();
  // n bytes give at most n units, plus two for a character completed from the previous piece.
  out.resize(base + n + 2);
  char16_t* o = out.data() + base;

  std::size_t i = 0;
  bool ok = true;
  if (pendingSize_ != 0) {
    const long used = CompletePending(s, n, o);
    if (used < 0) ok = false;
    else i = static_cast<std::size_t>(used);
  }
  if (ok) i = DecodeWellFormed(s, n, i, o);
  if (ok && i < n) {
    // Stopped at an invalid sequence, or at a character cut at this piece's end.
    const unsigned lead = s[i];
    const std::size_t length = SequenceLength(lead);
    const std::size_t present = std::min(length, n - i);
    const std::size_t bad = length == 0 ? 0 : FirstBadFollower(s + i, present);
    if (length == 0 || bad != 0) {
      const auto line = newlines_ + 1 + static_cast<std::uint64_t>(std::count(s, s + i, '\n'));
      Fail(consumed_ + i, line,
           length == 0 ? BadLeadReason(lead) : BadFollowerReason(lead, bad, s[i + bad], length));
      ok = false;
    } else {  // finish it with the next piece
      std::memcpy(pending_, s + i, present);
      pendingSize_ = present;
      pendingOffset_ = consumed_ + i;
    }
  }

  out.resize(static_cast<std::size_t>(o - out.data()));
  if (atStart_ && out.size() > base) {
    if (out[base] == u'\uFEFF') out.erase(base, 1);
    atStart_ = false;
  }
  if (!ok) return false;
  newlines_ += static_cast<std::uint64_t>(std::count(s, s + n, '\n'));
  consumed_ += n;
  return true;
}

bool Utf8Decoder::Finish() {
  if (failed_) return false;
  if (pendingSize_ != 0) {
    const std::size_t length = SequenceLength(pending_[0]);
    return Fail(pendingOffset_, newlines_ + 1,
                "incomplete " + std::to_string(length) + "-byte sequence at the end of the input (lead byte " +
                    Hex(pending_[0]) + ")");
  }
  return true;
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
