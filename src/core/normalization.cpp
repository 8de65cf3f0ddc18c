// Unicode Normalization Form C over UTF-16 text, whole or as a stream.
#include "core/normalization.h"

#include "core/unicode.h"
#include "core/unicode_properties.h"

namespace hexcribe {
namespace {

void AppendUtf16(char32_t codePoint, std::u16string& out) {
  if (codePoint > 0xFFFF) {
    out += HighSurrogateOf(codePoint);
    out += LowSurrogateOf(codePoint);
  } else {
    out += static_cast<char16_t>(codePoint);
  }
}

}  // namespace

void NfcStream::Add(std::u16string_view piece, std::u16string& out) {
  for (std::size_t i = 0; i < piece.size(); ++i) {
    char32_t codePoint = piece[i];
    if (IsHighSurrogate(codePoint) && i + 1 < piece.size() && IsLowSurrogate(piece[i + 1])) {
      codePoint = CombineSurrogates(codePoint, piece[++i]);
    }
    const bool stable = PropertiesOf(codePoint).stable();
    if (stable || stretch_.size() >= kLongestComposableStretch) Flush(out);
    if (!stable) composable_ = true;
    stretch_ += codePoint;
  }
}

void NfcStream::Flush(std::u16string& out) {
  if (composable_) {
    composed_.clear();
    composer_.Compose(stretch_, composed_);
    for (const char32_t codePoint : composed_) AppendUtf16(codePoint, out);
  } else {
    for (const char32_t codePoint : stretch_) AppendUtf16(codePoint, out);
  }
  stretch_.clear();
  composable_ = false;
}

void NfcStream::Finish(std::u16string& out) { Flush(out); }

std::u16string ToNfc(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  NfcStream stream;
  stream.Add(text, out);
  stream.Finish(out);
  return out;
}

bool IsNfc(std::u16string_view text) {
  std::uint8_t lastClass = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t codePoint = text[i];
    if (IsHighSurrogate(codePoint) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      codePoint = CombineSurrogates(codePoint, text[++i]);
    }
    const CodePointProperties properties = PropertiesOf(codePoint);
    const std::uint8_t combiningClass = properties.combiningClass();
    if (properties.nfcQuickCheck() != NfcQuickCheck::kYes || (combiningClass != 0 && lastClass > combiningClass)) {
      return ToNfc(text) == text;
    }
    lastClass = combiningClass;
  }
  return true;
}

}  // namespace hexcribe
