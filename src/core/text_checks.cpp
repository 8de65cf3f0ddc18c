// Checks of a command's text: invisible, decomposed, outside the BMP, without a glyph in the face.
#include "core/text_checks.h"

#include <algorithm>

#include "core/unicode.h"
#include "core/unicode_data.h"
#include "core/unicode_properties.h"

namespace hexcribe {
namespace {

// Controls, surrogates and invisible characters: no face draws them, so a face that lacks them lacks nothing.
bool NeedsGlyph(char32_t codePoint, GeneralCategory category) {
  return category != GeneralCategory::kCc && category != GeneralCategory::kCs && !IsInvisible(codePoint);
}

}  // namespace

TextChecker::TextChecker(const CodePointSet* faceGlyphs, bool keepAll) : faceGlyphs_(faceGlyphs), keepAll_(keepAll) {}

void TextChecker::Add(std::u16string_view piece) {
  for (std::size_t i = 0; i < piece.size(); ++i) {
    CheckedCharacter c;
    c.index = index_++;
    c.offset = offset_;
    c.codePoint = piece[i];
    if (IsHighSurrogate(c.codePoint) && i + 1 < piece.size() && IsLowSurrogate(piece[i + 1])) {
      c.codePoint = CombineSurrogates(c.codePoint, piece[++i]);
      c.units = 2;
      c.findings = Finding::kOutsideBmp;
    }
    offset_ += c.units;
    const CodePointProperties properties = PropertiesOf(c.codePoint);
    const GeneralCategory category = properties.category();
    // Letters, digits, punctuation and spaces of the first planes are never invisible.
    if (category >= GeneralCategory::kCc || category == GeneralCategory::kZl || category == GeneralCategory::kZp ||
        (c.codePoint >= 0xFE00 && c.codePoint <= 0xFE0F) || c.units == 2) {
      if (IsInvisible(c.codePoint)) c.findings |= Finding::kInvisible;
    }
    if (faceGlyphs_ != nullptr && !faceGlyphs_->Contains(c.codePoint) && NeedsGlyph(c.codePoint, category)) {
      c.findings |= Finding::kNoGlyph;
    }
    const bool stable = properties.stable();
    if (stable || stretch_.size() >= kLongestComposableStretch) Flush();
    if (!stable) composable_ = true;
    stretch_.push_back(c);
    stretchCodePoints_ += c.codePoint;
  }
}

void TextChecker::Flush() {
  if (composable_ && stretch_.size() > 1) {
    composed_.clear();
    joined_.assign(stretch_.size(), 0);
    composer_.Compose(stretchCodePoints_, composed_, joined_);
    for (std::size_t i = 0; i < stretch_.size(); ++i) {
      if (joined_[i] == 0) continue;
      stretch_[i].findings |= Finding::kDecomposed;
      stretch_[i].composed = joined_[i];
    }
  }
  for (const CheckedCharacter& c : stretch_) {
    if (c.findings & Finding::kInvisible) ++counts_.invisible;
    if (c.findings & Finding::kDecomposed) ++counts_.decomposed;
    if (c.findings & Finding::kOutsideBmp) ++counts_.outsideBmp;
    if (c.findings & Finding::kNoGlyph) ++counts_.withoutGlyph;
    if (keepAll_ || c.findings != 0) checked_.push_back(c);
  }
  stretch_.clear();
  stretchCodePoints_.clear();
  composable_ = false;
}

void TextChecker::Finish() {
  Flush();
  index_ = 0;
  offset_ = 0;
}

TextCheck CheckText(std::u16string_view text, std::size_t units, const CodePointSet* faceGlyphs) {
  TextCheck check;
  std::size_t end = std::min(units, text.size());
  if (end > 0 && end < text.size() && IsHighSurrogate(text[end - 1]) && IsLowSurrogate(text[end])) {
    check.pairCut = true;
    --end;
  }
  TextChecker checker(faceGlyphs, true);
  checker.Add(text.substr(0, end));
  checker.Finish();
  check.characters = std::move(checker.checked());
  check.counts = checker.counts();
  return check;
}

}  // namespace hexcribe
