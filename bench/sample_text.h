// Mixed sample text for the benchmarks: Latin, Hangul, CJK, emoji and line breaks.
#pragma once

#include <string>

namespace hexcribe::bench {

inline std::u16string MakeMixedText(std::size_t units) {
  static const std::u16string kPattern =
      u"Hello, world! \uD55C\uAD6D\uC5B4 \u6F22\u5B57 \U0001F600 caf\u00E9 \u0416\u0438\u0437\u043D\u044C\r\n";
  std::u16string text;
  text.reserve(units + kPattern.size());
  while (text.size() < units) text += kPattern;
  text.resize(units);
  return text;
}

}  // namespace hexcribe::bench
