// Pairing a decoded line's bytes into UTF-16 units and characters, with the lone surrogates reported.
#include "core/utf16le_assembler.h"

#include <utility>

#include "core/hex_text.h"
#include "core/unicode.h"

namespace hexcribe {

namespace {

std::string NoLowHalf(char16_t high) {
  return "lone surrogate " + CodePointName(high) + " (no low surrogate follows it)";
}

}  // namespace

Utf16LeAssembler::Result Utf16LeAssembler::Add(unsigned byte, std::uint64_t column) {
  lastColumn_ = column;
  if (++byteCount_ % 2 == 1) {
    lowByte_ = byte;
    unitColumn_ = column;
    return Result::kGoOn;
  }
  const char16_t unit = static_cast<char16_t>(lowByte_ | (byte << 8));
  if (pendingHigh_ != 0) {
    if (!IsLowSurrogate(unit)) return FailLone(pendingHighColumn_, pendingHigh_);
    character_ = CombineSurrogates(pendingHigh_, unit);
    pendingHigh_ = 0;
    return Result::kCharacter;
  }
  if (IsHighSurrogate(unit)) {
    pendingHigh_ = unit;
    pendingHighColumn_ = unitColumn_;
    return Result::kGoOn;
  }
  if (IsLowSurrogate(unit)) return FailLone(unitColumn_, unit);
  character_ = unit;
  return Result::kCharacter;
}

bool Utf16LeAssembler::End() {
  LineError error;
  if (byteCount_ % 2 == 1) {
    error = {lastColumn_, "odd number of bytes (" + std::to_string(byteCount_) +
                              "): every UTF-16 unit takes two, this last number has no partner"};
  } else if (pendingHigh_ != 0) {
    error = {pendingHighColumn_, NoLowHalf(pendingHigh_)};
  }
  *this = Utf16LeAssembler();
  error_ = std::move(error);
  return error_.reason.empty();
}

Utf16LeAssembler::Result Utf16LeAssembler::FailLone(std::uint64_t column, char16_t surrogate) {
  error_ = {column, IsHighSurrogate(surrogate)
                        ? NoLowHalf(surrogate)
                        : "lone surrogate " + CodePointName(surrogate) + " (no high surrogate before it)"};
  return Result::kFailed;
}

}  // namespace hexcribe
