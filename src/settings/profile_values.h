// Reading and writing one settings value, with its default and optional hex encoding.
#pragma once

#include <cstddef>
#include <string>

namespace hexcribe {

// The value of key in section of the profile file, or defaultValue when the
// file, section or key is missing. size is the read capacity in UTF-16 units,
// terminator included (0 means 2000). With hex set the stored value is decoded
// with DecodeStoredText (and the default is taken in its encoded form).
std::u16string ReadProfileValue(const std::u16string& file, const std::u16string& key, const std::u16string& section,
                                const std::u16string& defaultValue, std::size_t size, bool hex);

// Writes key=value into section (encoded with EncodeStoredText when hex is set),
// creating the file when it is missing. False when nothing could be written.
bool WriteProfileValue(const std::u16string& file, const std::u16string& key, const std::u16string& value,
                       const std::u16string& section, bool hex);

}  // namespace hexcribe
