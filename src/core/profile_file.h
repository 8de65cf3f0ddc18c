// The profile (INI) file format as pure functions on a file's bytes: read one key, set one key.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hexcribe {

// The rules both functions follow, the same as the Windows profile functions:
// - A file starting with FF FE is UTF-16LE; anything else is UTF-8 (a leading
//   UTF-8 byte-order mark is skipped). Lines end with CR LF, LF or CR.
// - A line is trimmed of space, tab and vertical tab. ";" starts a comment line.
//   "[name]" starts a section (the name ends at the first "]", text after it is
//   ignored, a missing "]" is tolerated). "name=value" is a key; a line without
//   "=" is no key. Lines before the first section belong to no section.
// - Names are trimmed and match without regard to ASCII case; only the first
//   section with a matching name counts, and in it the first matching key.
// - Section and key parameters are trimmed of spaces (U+0020 only) and end at
//   the first U+0000, like the C strings the Windows functions take.

// The value of key in section: trimmed, one pair of matching outer quotes (" or ')
// removed; a present key with an empty value gives "". When the section or key
// is missing, the default with its trailing spaces removed. The result is cut to
// capacity - 1 UTF-16 units; capacity 0 gives "".
std::u16string ReadProfileEntry(std::string_view fileBytes, std::u16string_view section, std::u16string_view key,
                                std::u16string_view defaultValue, std::size_t capacity);

// The file's bytes after key=value has been set in section. An existing key line
// is rewritten as "<name as spelled in the file>=<value>"; a new key goes right
// after the last key of the first matching section (before trailing comments and
// blank lines); a missing section is appended at the end of the file. The value is
// written verbatim. Every other byte of the file is kept as it was, the file's
// encoding is kept, and new line ends follow the file's first line end (CR LF in a
// file that has none). Gives the input unchanged when the key's text after "=",
// trimmed, already equals value.
std::string WriteProfileEntry(std::string_view fileBytes, std::u16string_view section, std::u16string_view key,
                              std::u16string_view value);

}  // namespace hexcribe
