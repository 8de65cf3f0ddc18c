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

inline std::uint8_t TextChecker::FindingsOf(char32_t codePoint, CodePointProperties properties) const {
  std::uint8_t findings = codePoint > 0xFFFF ? Finding::kOutsideBmp : 0;
  const GeneralCategory category = properties.category();
  // Letters, marks, digits, punctuation, symbols and spaces of the BMP are never invisible but for
  // the variation selectors.
  if (category >= GeneralCategory::kZl || findings != 0 || (codePoint >= 0xFE00 && codePoint <= 0xFE0F)) {
    if (IsInvisible(codePoint)) findings |= Finding::kInvisible;
  }
  if (faceGlyphs_ != nullptr && !faceGlyphs_->Contains(codePoint) && NeedsGlyph(codePoint, category)) {
    findings |= Finding::kNoGlyph;
  }
  return findings;
}

void TextChecker::Add(std::u16string_view piece) {
  // The position and the quiet starter stay in locals: the loop runs once per character.
  std::size_t index = index_;
  char32_t quiet = quietStarter_;
  char32_t lastPiece = kNone;  // the 32 code points whose records `records` holds
  const std::uint8_t* records = nullptr;
  const bool quick = faceGlyphs_ == nullptr && !keepAll_;
  for (std::size_t i = 0; i < piece.size(); ++i, ++index) {
    const std::size_t start = i;
    char32_t codePoint = piece[i];
    // Printable ASCII, tab, LF and CR: nothing to report without a face, nothing before them joins them.
    if (quick && codePoint < 0x7F && (codePoint >= 0x20 || codePoint == u'\t' || codePoint == u'\n' || codePoint == u'\r')) {
      if (!stretch_.empty()) Flush();
      quiet = codePoint;
      continue;
    }
    std::uint8_t units = 1;
    if (IsHighSurrogate(codePoint) && i + 1 < piece.size() && IsLowSurrogate(piece[i + 1])) {
      codePoint = CombineSurrogates(codePoint, piece[++i]);
      units = 2;
    }
    if ((codePoint >> 5) != lastPiece) {
      lastPiece = codePoint >> 5;
      records = PropertyPiece(codePoint);
    }
    const CodePointProperties properties = PropertiesIn(records, codePoint);
    const std::uint8_t findings = FindingsOf(codePoint, properties);
    const bool stable = properties.stable();
    if (stable && findings == 0 && !keepAll_) {
      // Most characters: kept aside only as the starter that marks after it may join.
      if (!stretch_.empty()) Flush();
      quiet = codePoint;
    } else {
      quietStarter_ = quiet;
      if (stable || stretch_.size() >= kLongestComposableStretch) {
        Flush();
      } else if (quietStarter_ != kNone) {
        stretch_.push_back({});  // no findings of its own, so never reported
        stretchCodePoints_ += quietStarter_;
      }
      quiet = kNone;
      if (!stable) composable_ = true;
      stretch_.push_back({index, offset_ + start, codePoint, 0, units, findings});
      stretchCodePoints_ += codePoint;
    }
  }
  index_ = index;
  offset_ += piece.size();
  quietStarter_ = quiet;
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
    if (c.findings == 0 && !keepAll_) continue;
    if (c.findings & Finding::kInvisible) ++counts_.invisible;
    if (c.findings & Finding::kDecomposed) ++counts_.decomposed;
    if (c.findings & Finding::kOutsideBmp) ++counts_.outsideBmp;
    if (c.findings & Finding::kNoGlyph) ++counts_.withoutGlyph;
    if (keepAll_ || c.findings != 0) checked_.push_back(c);
  }
  stretch_.clear();
  stretchCodePoints_.clear();
  composable_ = false;
  quietStarter_ = kNone;
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
