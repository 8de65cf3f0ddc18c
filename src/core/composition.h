// Canonical decomposition, ordering and composition of one stretch of text, with a record of which
// characters NFC joins to a character before them. Shared by normalization and the text checks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace hexcribe {

// Streams compose stretches of characters that could combine in parts of at most this many, so memory
// stays bounded; only text far beyond any writing system's needs has longer ones.
inline constexpr std::size_t kLongestComposableStretch = 4096;

class SegmentComposer {
 public:
  // Appends the NFC form of `segment` to `out`. When `joined` is not empty (it has one entry per
  // code point of the segment), it sets joined[i] to the character NFC makes where segment[i] joins
  // a character that came from before it (the composed character at the end of the stretch), and
  // to 0 for every other code point.
  void Compose(std::span<const char32_t> segment, std::u32string& out, std::span<char32_t> joined = {});

 private:
  struct Item {
    char32_t codePoint;
    std::uint8_t combiningClass;
    std::uint32_t source;  // index into the segment
  };
  void Decompose(char32_t codePoint, std::uint32_t source);
  void Order();

  std::vector<Item> items_;  // kept between calls for their capacity
  std::vector<Item> sorted_;
};

// The primary composite of `first` followed by `second`, or 0 when they do not compose.
char32_t ComposePair(char32_t first, char32_t second);

}  // namespace hexcribe
