// Converts UTF-8 inputs to commands as a stream: one command per input, or one per line.
#include "cli/text_converter.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "core/command_builder.h"
#include "core/unicode.h"

namespace hexcribe::cli {

namespace {
// Input is read in pieces of this size: a few times the L2 cache of output per piece.
constexpr std::size_t kReadSize = 1 << 17;
}  // namespace

TextConverter::TextConverter(const ConvertOptions& options, ByteSink& out, NonBmpReport onNonBmp, CheckReport onCheck,
                             const CodePointSet* faceGlyphs)
    : options_(options),
      writer_(out, options.separator, options.wholeCommand, options.count),
      onNonBmp_(std::move(onNonBmp)),
      onCheck_(std::move(onCheck)),
      checker_(faceGlyphs, false) {}

ConvertStatus TextConverter::Convert(ByteSource& source, bool skipByteOrderMark) {
  Utf8Decoder decoder(skipByteOrderMark);
  pendingCr_ = false;
  line_ = 1;
  column_ = 0;
  checkLine_ = 1;
  commands_ = 0;
  if (!options_.lines) BeginCommand();

  const auto buffer = std::make_unique<char[]>(kReadSize);
  ConvertStatus status = ConvertStatus::kOk;
  for (;;) {
    const std::size_t got = source.Read(buffer.get(), kReadSize);
    if (got == 0) {
      if (source.Failed()) status = ConvertStatus::kReadFailed;
      else if (!decoder.Finish()) status = ConvertStatus::kInvalidUtf8;
      else Feed({}, true);
      break;
    }
    units_.clear();
    const bool valid = decoder.Decode({buffer.get(), got}, units_);
    // The characters before an invalid sequence still count: lines they
    // complete are written, and the checks see them.
    Feed(units_, !valid);
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
    if (!writer_.open()) BeginCommand();
    writer_.Add(u"\r");
  }
  if (writer_.open()) EndCommand();
  return writer_.failed() ? ConvertStatus::kWriteFailed : ConvertStatus::kOk;
}

void TextConverter::Feed(std::u16string_view units, bool last) {
  if (options_.nfc) {
    composed_.clear();
    nfc_.Add(units, composed_);
    if (last) nfc_.Finish(composed_);
    units = composed_;
  }
  if (options_.bmpOnly && !options_.check) CheckBmp(units);
  if (options_.check) Check(units);
  if (options_.lines) FeedLines(units);
  else writer_.Add(units);
  if (last && options_.check) {
    checker_.Finish();
    ReportChecked();
  }
}

void TextConverter::BeginCommand() {
  commandLine_ = options_.lines ? ++commands_ : 1;
  writer_.Begin();
}

void TextConverter::EndCommand() {
  if (options_.check && writer_.units() > kDialogCommandUnits && onCheck_) {
    onCheck_({commandLine_, {}, writer_.units()});
  }
  writer_.End();
}

// Line by line: nothing composes across a line break, so each line is a text of its own.
void TextConverter::Check(std::u16string_view units) {
  for (;;) {
    const std::size_t lf = units.find(u'\n');
    checker_.Add(units.substr(0, lf));
    if (lf == std::u16string_view::npos) break;
    checker_.Finish();
    ReportChecked();
    ++checkLine_;
    units.remove_prefix(lf + 1);
  }
  ReportChecked();
}

void TextConverter::ReportChecked() {
  for (const CheckedCharacter& c : checker_.checked()) {
    if (onCheck_) onCheck_({checkLine_, c, 0});
  }
  checker_.checked().clear();
}

void TextConverter::FeedLines(std::u16string_view units) {
  while (!units.empty() || pendingCr_) {
    const std::size_t lf = units.find(u'\n');
    const bool lineEnds = lf != std::u16string_view::npos;
    std::u16string_view segment = units.substr(0, lineEnds ? lf : units.size());
    if (pendingCr_) {
      if (segment.empty() && !lineEnds) return;  // nothing yet decides what the CR is
      pendingCr_ = false;
      if (!segment.empty()) {  // the CR was inside the line after all
        if (!writer_.open()) BeginCommand();
        writer_.Add(u"\r");
      }
    }
    if (lineEnds) {
      if (segment.ends_with(u'\r')) segment.remove_suffix(1);
      if (!writer_.open()) BeginCommand();
      writer_.Add(segment);
      EndCommand();
      units.remove_prefix(lf + 1);
    } else {
      if (segment.ends_with(u'\r')) {
        segment.remove_suffix(1);
        pendingCr_ = true;
      }
      if (!segment.empty()) {
        if (!writer_.open()) BeginCommand();
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
