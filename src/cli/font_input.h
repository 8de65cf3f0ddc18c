// The font given to --font: read whole (up to a limit) and turned into the code points it has glyphs for.
#pragma once

#include <cstdint>
#include <string>

#include "cli/byte_io.h"
#include "core/character_map.h"

namespace hexcribe::cli {

// Larger files are refused rather than read: no font comes near it.
inline constexpr std::uint64_t kLargestFontFile = std::uint64_t{256} << 20;

// The code points of the font read from `source`; false with the reason in `error` when it cannot
// be read or is no font the core reads (see ReadFontCoverage).
bool ReadFontFile(ByteSource& source, CodePointSet& glyphs, std::string& error);

}  // namespace hexcribe::cli
