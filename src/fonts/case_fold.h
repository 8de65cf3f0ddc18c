// Case-insensitive comparison of UTF-16 code units for the face list's searches.
#pragma once

namespace hexcribe {

// Simple one-to-one lower-case mapping for the scripts found in face names
// (ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic, full-width Latin); other
// units, including Hangul and Han, which have no case, map to themselves.
char16_t FoldCase(char16_t unit);

}  // namespace hexcribe
