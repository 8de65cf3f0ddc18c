// Output for a console window: UTF-8 bytes in, whole characters out as UTF-16 units.
#include "cli/console_sink.h"

#include "core/unicode.h"

namespace hexcribe::cli {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the sequence a lead byte starts, and the smallest code point
// it may carry (anything less is an overlong form); 0 for no lead byte.
struct Lead {
  std::size_t length;
  char32_t minimum;
  char32_t bits;
};

Lead LeadOf(unsigned char byte) {
  if (byte < 0x80) return {1, 0, byte};
  if (byte >= 0xC2 && byte <= 0xDF) return {2, 0x80, byte & 0x1Fu};
  if (byte >= 0xE0 && byte <= 0xEF) return {3, 0x800, byte & 0x0Fu};
  if (byte >= 0xF0 && byte <= 0xF4) return {4, 0x10000, byte & 0x07u};
  return {0, 0, 0};
}

}  // namespace

std::size_t DecodeForConsole(std::string_view bytes, std::u16string& out) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const Lead lead = LeadOf(static_cast<unsigned char>(bytes[i]));
    if (lead.length == 0) {
      out += kReplacement;
      ++i;
      continue;
    }
    char32_t code = lead.bits;
    std::size_t n = 1;
    while (n < lead.length && i + n < bytes.size() && IsContinuation(static_cast<unsigned char>(bytes[i + n]))) {
      code = (code << 6) | (static_cast<unsigned char>(bytes[i + n]) & 0x3Fu);
      ++n;
    }
    if (n < lead.length) {
      // Cut by the end of the piece: wait for the rest. Cut by a byte that
      // does not continue it: the lead byte alone is wrong.
      if (i + n == bytes.size()) return i;
      out += kReplacement;
      ++i;
      continue;
    }
    if (code < lead.minimum || code > 0x10FFFF) {
      out += kReplacement;
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      out += HighSurrogateOf(code);
      out += LowSurrogateOf(code);
    } else {
      out += static_cast<char16_t>(code);
    }
    i += n;
  }
  return i;
}

bool ConsoleTextSink::Write(std::string_view bytes) {
  if (failed_) return false;
  pending_.append(bytes);
  std::u16string units;
  const std::size_t used = DecodeForConsole(pending_, units);
  pending_.erase(0, used);
  if (!units.empty() && !write_(units)) failed_ = true;
  return !failed_;
}

bool ConsoleTextSink::Close() {
  if (!pending_.empty() && !failed_) {
    // What is left is one character cut short for good.
    const std::u16string units(pending_.size(), kReplacement);
    pending_.clear();
    if (!write_(units)) failed_ = true;
  }
  return !failed_;
}

}  // namespace hexcribe::cli
