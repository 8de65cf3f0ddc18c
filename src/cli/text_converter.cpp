// Converts UTF-8 inputs to commands as a stream: one command per input, or one per line.
#include "cli/text_converter.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "core/unicode.h"

namespace hexcribe::cli {

namespace {
// Input is read in pieces of this size: a few times the L2 cache of output per piece.
constexpr std::size_t kReadSize = 1 << 17;
}  // namespace

TextConverter::TextConverter(const ConvertOptions& options, ByteSink& out, NonBmpReport onNonBmp)
    : options_(options),
      writer_(out, options.separator, options.wholeCommand, options.count),
      onNonBmp_(std::move(onNonBmp)) {}

ConvertStatus TextConverter::Convert(ByteSource& source, bool skipByteOrderMark) {
  Utf8Decoder decoder(skipByteOrderMark);
  pendingCr_ = false;
  line_ = 1;
  column_ = 0;
  if (!options_.lines) writer_.Begin();

  const auto buffer = std::make_unique<char[]>(kReadSize);
  ConvertStatus status = ConvertStatus::kOk;
  for (;;) {
    const std::size_t got = source.Read(buffer.get(), kReadSize);
    if (got == 0) {
      if (source.Failed()) status = ConvertStatus::kReadFailed;
      else if (!decoder.Finish()) status = ConvertStatus::kInvalidUtf8;
      break;
    }
    units_.clear();
    const bool valid = decoder.Decode({buffer.get(), got}, units_);
    // The characters before an invalid sequence still count: lines they
    // complete are written, and the BMP check sees them.
    if (options_.bmpOnly) CheckBmp(units_);
    if (options_.lines) FeedLines(units_);
    else FeedWhole(units_);
    if (writer_.failed()) return ConvertStatus::kWriteFailed;
    if (!valid) {
      status = ConvertStatus::kInvalidUtf8;
      break;
    }
  }

  if (status == ConvertStatus::kInvalidUtf8) utf8Error_ = decoder.error();
  if (status != ConvertStatus::kOk) {
    writer_.Discard();
    return status;
  }
  if (pendingCr_) {  // a CR ends the input: it is part of the last line
    if (!writer_.open()) writer_.Begin();
    writer_.Add(u"\r");
  }
  if (writer_.open()) writer_.End();
  return writer_.failed() ? ConvertStatus::kWriteFailed : ConvertStatus::kOk;
}

void TextConverter::FeedWhole(std::u16string_view units) { writer_.Add(units); }

void TextConverter::FeedLines(std::u16string_view units) {
  while (!units.empty() || pendingCr_) {
    const std::size_t lf = units.find(u'\n');
    const bool lineEnds = lf != std::u16string_view::npos;
    std::u16string_view segment = units.substr(0, lineEnds ? lf : units.size());
    if (pendingCr_) {
      if (segment.empty() && !lineEnds) return;  // nothing yet decides what the CR is
      pendingCr_ = false;
      if (!segment.empty()) {  // the CR was inside the line after all
        if (!writer_.open()) writer_.Begin();
        writer_.Add(u"\r");
      }
    }
    if (lineEnds) {
      if (segment.ends_with(u'\r')) segment.remove_suffix(1);
      if (!writer_.open()) writer_.Begin();
      writer_.Add(segment);
      writer_.End();
      units.remove_prefix(lf + 1);
    } else {
      if (segment.ends_with(u'\r')) {
        segment.remove_suffix(1);
        pendingCr_ = true;
      }
      if (!segment.empty()) {
        if (!writer_.open()) writer_.Begin();
        writer_.Add(segment);
      }
      return;
    }
  }
}

void TextConverter::CheckBmp(std::u16string_view units) {
  // The decoder only produces complete surrogate pairs, so a pair never spans two pieces.
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t unit = units[i];
    if (unit == u'\n') {
      ++line_;
      column_ = 0;
      continue;
    }
    if (IsLowSurrogate(unit)) continue;  // second half of a pair: same character
    ++column_;
    if (IsHighSurrogate(unit) && i + 1 < units.size()) {
      const char32_t cp = CombineSurrogates(unit, units[i + 1]);
      if (onNonBmp_) onNonBmp_({line_, column_, cp});
    }
  }
}

}  // namespace hexcribe::cli
