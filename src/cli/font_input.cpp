// Reading the font file of --font.
#include "cli/font_input.h"

#include <span>
#include <vector>

#include "core/font_file.h"

namespace hexcribe::cli {

bool ReadFontFile(ByteSource& source, CodePointSet& glyphs, std::string& error) {
  std::vector<std::uint8_t> bytes;
  constexpr std::size_t kPiece = 1 << 16;
  for (;;) {
    const std::size_t had = bytes.size();
    bytes.resize(had + kPiece);
    const std::size_t got = source.Read(reinterpret_cast<char*>(bytes.data() + had), kPiece);
    bytes.resize(had + got);
    if (got == 0) break;
    if (bytes.size() > kLargestFontFile) {
      error = "larger than " + std::to_string(kLargestFontFile >> 20) + " MiB: expected " + std::string(kExpectedFontFile);
      return false;
    }
  }
  if (source.Failed()) {
    error = source.ErrorText();
    return false;
  }
  return ReadFontCoverage(bytes, glyphs, error);
}

}  // namespace hexcribe::cli
