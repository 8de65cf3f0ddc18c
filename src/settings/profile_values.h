// Reading and writing one settings value, with its default and its stored form. Arguments come in
// the platform's profile order: section, key, value or default, ..., file.
#pragma once

#include <cstddef>
#include <string>

namespace hexcribe {

// How a value stands in the file: as it is, or as the hex digits of its UTF-16LE bytes
// (EncodeStoredText), which keeps any text whatever the file's encoding.
enum class StoredForm { kPlain, kHex };

// The value of key in section of the profile file, or defaultValue when the
// file, section or key is missing. size is the read capacity in UTF-16 units,
// terminator included (0 means 2000). In the hex form the stored value is decoded
// with DecodeStoredText (and the default is taken in its encoded form).
std::u16string ReadProfileValue(const std::u16string& section, const std::u16string& key,
                                const std::u16string& defaultValue, std::size_t size, StoredForm form,
                                const std::u16string& file);

// Writes key=value into section in the given form, creating the file when it is
// missing. False when nothing could be written.
bool WriteProfileValue(const std::u16string& section, const std::u16string& key, const std::u16string& value,
                       StoredForm form, const std::u16string& file);

}  // namespace hexcribe
