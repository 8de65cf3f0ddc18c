// Unicode Normalization Form C: canonical decomposition, canonical ordering and composition.
#pragma once

#include <string>
#include <string_view>

#include "core/composition.h"

namespace hexcribe {

// The text in NFC. Unpaired surrogates pass through unchanged, as characters that never combine.
// A cursor keeps its character when it moves to ToNfc(text before the cursor).size().
std::u16string ToNfc(std::u16string_view text);

// Whether ToNfc(text) == text, mostly without composing anything.
bool IsNfc(std::u16string_view text);

// NFC of a text fed in pieces (a piece never ends between the halves of a surrogate pair), with
// memory bounded by kLongestComposableStretch.
class NfcStream {
 public:
  // Appends to `out` the NFC of everything up to the last character that may still combine with what follows.
  void Add(std::u16string_view piece, std::u16string& out);
  // Appends the rest; the stream is then ready for a new text.
  void Finish(std::u16string& out);

 private:
  void Flush(std::u16string& out);

  std::u32string stretch_;  // characters since the last one that nothing before it affects
  bool composable_ = false;  // whether the stretch has more than such a character
  std::u32string composed_;
  SegmentComposer composer_;
};

}  // namespace hexcribe
