// Conversions between UTF-8 bytes and UTF-16 text for settings files and file names.
#pragma once

#include <string>
#include <string_view>

namespace hexcribe {

// How bytes that are not valid UTF-8 (and lone surrogates on the way back) are treated.
enum class InvalidUtf8 {
  // Text: each invalid sequence becomes U+FFFD; a lone surrogate is written as U+FFFD.
  Replace,
  // File names: each invalid byte b becomes the lone surrogate U+DC00 + b and turns
  // back into the same byte, so any byte string survives the round trip.
  Escape,
};

std::u16string DecodeUtf8(std::string_view bytes, InvalidUtf8 mode);

std::string EncodeUtf8(std::u16string_view text, InvalidUtf8 mode);

// For text a strict UTF-8 reader checks next (the command-line tool's arguments): a lone
// surrogate keeps its generalised three-byte form, so the reader reports it instead of the
// conversion hiding it behind U+FFFD.
std::string EncodeUtf8KeepingLoneSurrogates(std::u16string_view text);

// Appends the UTF-8 form of one code point (U+0000..U+10FFFF; a surrogate code
// point gets its generalised three-byte form, which a strict decoder rejects).
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace hexcribe
