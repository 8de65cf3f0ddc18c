// Conversion between UTF-16 path text and the byte strings Linux uses as file names.
#pragma once

#include <string>
#include <string_view>

namespace hexcribe::platform {

// UTF-8 bytes for the file system. The units U+DC80..U+DCFF stand for single raw
// bytes 0x80..0xFF (see Utf16FromNativePath); other unpaired surrogates become U+FFFD.
std::string NativePathFromUtf16(std::u16string_view path);

// UTF-16 text of a file-system byte string. Bytes that are not part of valid
// UTF-8 map to U+DC80..U+DCFF so that every Linux path survives the round trip.
std::u16string Utf16FromNativePath(std::string_view path);

}  // namespace hexcribe::platform
