// The bytes of a decoded line, low byte first, paired into UTF-16 units and the units into characters.
#pragma once

#include <cstdint>

#include "core/command_line_grammar.h"

namespace hexcribe {

class Utf16LeAssembler {
 public:
  enum class Result { kGoOn, kCharacter, kFailed };

  // The next byte, from the number at column: kCharacter when it completes a character
  // (character() tells it), kFailed with error() when it completes a lone surrogate.
  Result Add(unsigned byte, std::uint64_t column);
  // The line ends: false with error() when a byte or a high surrogate has no partner. Readies the next line.
  bool End();

  char32_t character() const { return character_; }
  const LineError& error() const { return error_; }

 private:
  Result FailLone(std::uint64_t column, char16_t surrogate);

  std::uint64_t byteCount_ = 0;
  unsigned lowByte_ = 0;
  std::uint64_t unitColumn_ = 0;  // column of the number holding the unit's low byte
  std::uint64_t lastColumn_ = 0;  // column of the last number
  char16_t pendingHigh_ = 0;      // a high surrogate waiting for its low half
  std::uint64_t pendingHighColumn_ = 0;
  char32_t character_ = 0;
  LineError error_;
};

}  // namespace hexcribe
