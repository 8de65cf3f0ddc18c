// Checks of a command's text, character by character: what an LCD will not show as the user meant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/character_map.h"
#include "core/composition.h"
#include "core/unicode_properties.h"

namespace hexcribe {

// What may be wrong with a character, as bits.
struct Finding {
  enum : std::uint8_t {
    kInvisible = 1 << 0,   // nothing shows it: see IsInvisible
    kDecomposed = 1 << 1,  // NFC composes it with a character before it
    kOutsideBmp = 1 << 2,  // above U+FFFF: a surrogate pair, which many controllers cannot show
    kNoGlyph = 1 << 3,     // the face has no glyph for it (characters that need none aside)
  };
};

struct CheckedCharacter {
  std::size_t index = 0;   // its number, from 0, in characters (code points)
  std::size_t offset = 0;  // its first UTF-16 unit
  char32_t codePoint = 0;  // an unpaired surrogate is a character of its own
  char32_t composed = 0;   // with kDecomposed: the character NFC makes of it and what came before
  std::uint8_t units = 1;  // 2 for a surrogate pair
  std::uint8_t findings = 0;
};

// How many characters have each finding (a character may have several).
struct FindingCounts {
  std::size_t invisible = 0;
  std::size_t decomposed = 0;
  std::size_t outsideBmp = 0;
  std::size_t withoutGlyph = 0;  // 0 when no face was given
  bool any() const { return invisible + decomposed + outsideBmp + withoutGlyph > 0; }
};

// Checks text fed in pieces, in one pass; memory stays bounded however long the text.
class TextChecker {
 public:
  // faceGlyphs: the face's code points (kept by pointer), or nullptr for no glyph check.
  // keepAll: list every character in checked(), not only those with findings.
  TextChecker(const CodePointSet* faceGlyphs, bool keepAll);

  // The next piece of the text (a piece never ends between the halves of a surrogate pair).
  void Add(std::u16string_view piece);
  // Ends the text: its last characters are checked; the next Add starts a new text at index 0.
  void Finish();

  // The checked characters in order, as far as they are final; the caller may take or clear them.
  std::vector<CheckedCharacter>& checked() { return checked_; }
  // Over every text since construction.
  const FindingCounts& counts() const { return counts_; }

 private:
  std::uint8_t FindingsOf(char32_t codePoint, CodePointProperties properties) const;
  void Flush();

  const CodePointSet* faceGlyphs_;
  bool keepAll_;
  std::vector<CheckedCharacter> checked_;
  FindingCounts counts_;
  std::size_t index_ = 0;
  std::size_t offset_ = 0;
  // The characters since the last one that nothing before it affects, waiting for their NFC check.
  std::vector<CheckedCharacter> stretch_;
  std::u32string stretchCodePoints_;
  bool composable_ = false;
  // Without keepAll, a character that needs no report and that nothing before it affects is kept
  // only by its code point, as the starter of the next stretch.
  static constexpr char32_t kNone = 0xFFFFFFFF;
  char32_t quietStarter_ = kNone;
  std::u32string composed_;
  std::u32string joined_;
  SegmentComposer composer_;
};

struct TextCheck {
  std::vector<CheckedCharacter> characters;  // every character checked
  FindingCounts counts;
  bool pairCut = false;  // the limit fell between a pair's halves: that character is left out
};

// Checks the first `units` units of the text (the command's text), every character listed.
TextCheck CheckText(std::u16string_view text, std::size_t units, const CodePointSet* faceGlyphs);

}  // namespace hexcribe
