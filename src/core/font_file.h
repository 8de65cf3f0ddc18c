// The characters a font file has glyphs for, whatever the kind of file: TrueType/OpenType (first
// face of a collection) through its character map, or a BDF bitmap font.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/character_map.h"

namespace hexcribe {

// What a font file is expected to be, for the error about any other file.
inline constexpr std::string_view kExpectedFontFile =
    "a TrueType or OpenType font (.ttf, .otf, the first face of a .ttc) or a BDF font whose "
    "CHARSET_REGISTRY is ISO10646";

// The 'cmap' table of an OpenType/TrueType font, or of the first face of a collection; nullopt
// with the reason in `error` when the file has none that lies wholly inside it.
std::optional<std::span<const std::uint8_t>> FindCharacterMapTable(std::span<const std::uint8_t> file,
                                                                   std::string& error);

// The code points the font in `file` has glyphs for; false with the reason in `error` for a file
// of another kind, a damaged one, or one without a Unicode character map.
bool ReadFontCoverage(std::span<const std::uint8_t> file, CodePointSet& glyphs, std::string& error);

}  // namespace hexcribe
