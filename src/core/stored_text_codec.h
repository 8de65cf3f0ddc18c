// The hex form in which the last input text is kept in the settings file.
#pragma once

#include <string>
#include <string_view>

namespace hexcribe {

// Four upper-case hex digits per UTF-16 unit: low byte first, then high byte.
// "A" -> "4100", U+D55C -> "5CD5". The empty text gives the empty string.
std::u16string EncodeStoredText(std::u16string_view text);

// Reverses EncodeStoredText. Every group of four characters is parsed with the
// C runtime's wcstol base-16 rules (leading white space, optional sign,
// optional 0x, stops at the first non-hex character, nothing parsed gives 0);
// its low 16 bits with the bytes swapped form one unit. Zero units are dropped,
// and so are one to three trailing characters. Never fails: hand-edited
// values decode group by group.
std::u16string DecodeStoredText(std::u16string_view stored);

}  // namespace hexcribe
