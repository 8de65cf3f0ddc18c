// Helpers shared by the fuzz targets: turning raw fuzzer bytes into inputs, and failing loudly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace hexcribe::fuzz {

// Pairs of bytes as UTF-16LE code units (a trailing odd byte is ignored).
inline std::u16string UnitsFromBytes(const std::uint8_t* data, std::size_t size) {
  std::u16string units(size / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  return units;
}

// Every byte widened to one code unit: keeps ASCII inputs (hex digits, signs,
// spaces) dense, which is where the interesting parses are.
inline std::u16string WidenBytes(const std::uint8_t* data, std::size_t size) {
  std::u16string units(size, u'\0');
  for (std::size_t i = 0; i < size; ++i) units[i] = data[i];
  return units;
}

// Aborts with a message; libFuzzer turns the abort into a saved crash input.
[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "property violated: %s\n", what);
  std::abort();
}

inline void Check(bool ok, const char* what) {
  if (!ok) Fail(what);
}

}  // namespace hexcribe::fuzz
