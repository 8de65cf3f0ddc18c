// The characters of a BDF bitmap font: its glyphs' encodings, read from the font's text.
#pragma once

#include <string>
#include <string_view>

#include "core/character_map.h"

namespace hexcribe {

// Whether the bytes begin as a BDF font does ("STARTFONT").
bool LooksLikeBdf(std::string_view text);

// The code points of the glyphs of a BDF font whose CHARSET_REGISTRY is ISO10646 (each glyph's
// ENCODING). false with the reason in `error` when the font is cut short, breaks the format's
// structure, claims other glyph counts than it has, or encodes another character set.
bool ReadBdfCoverage(std::string_view text, CodePointSet& glyphs, std::string& error);

}  // namespace hexcribe
