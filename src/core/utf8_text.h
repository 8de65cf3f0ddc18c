// Conversions between UTF-8 bytes and UTF-16 text: strict and streaming, replacing, or byte-escaping.
#pragma once

#include <cstdint>
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

// Where and why the input stopped being UTF-8.
struct Utf8Error {
  std::uint64_t offset = 0;  // of the first byte of the bad sequence, from the start of the input, 0-based
  std::uint64_t line = 0;    // 1-based line holding that byte
  std::string reason;
};

// The strict mode, for the command-line tool: decodes one input fed in pieces
// of any size; a character cut between two pieces is completed by the next
// one. Nothing is ever replaced: the first invalid sequence stops decoding and
// is reported. A byte-order mark at the very start of a file or stream is
// dropped (editors add it; it is not part of the text); in a text given
// directly it is the character U+FEFF.
class Utf8Decoder {
 public:
  explicit Utf8Decoder(bool skipByteOrderMark = true) : atStart_(skipByteOrderMark) {}

  // Appends the UTF-16 units of every complete character in bytes to out.
  // False at the first invalid sequence; the units of the characters before it
  // have been appended, nothing after it is decoded (later calls return false).
  bool Decode(std::string_view bytes, std::u16string& out);

  // The end of the input: false when it cuts a character short.
  bool Finish();

  bool failed() const { return failed_; }
  const Utf8Error& error() const { return error_; }

 private:
  bool Fail(std::uint64_t offset, std::uint64_t line, std::string reason);
  // Feeds bytes into a character cut at the previous piece's end; returns how
  // many it used, or -1 on an invalid sequence.
  long CompletePending(const unsigned char* bytes, std::size_t size, char16_t*& out);

  unsigned char pending_[4] = {};
  std::size_t pendingSize_ = 0;
  std::uint64_t pendingOffset_ = 0;
  std::uint64_t consumed_ = 0;  // bytes of earlier pieces
  std::uint64_t newlines_ = 0;  // line feeds in earlier pieces
  bool atStart_;               // no unit produced yet: a U+FEFF now is a byte-order mark
  bool failed_ = false;
  Utf8Error error_;
};

std::string EncodeUtf8(std::u16string_view text, InvalidUtf8 mode);

// For text a strict UTF-8 reader checks next (the command-line tool's arguments): a lone
// surrogate keeps its generalised three-byte form, so the reader reports it instead of the
// conversion hiding it behind U+FFFD.
std::string EncodeUtf8KeepingLoneSurrogates(std::u16string_view text);

// Appends the UTF-8 form of one code point (U+0000..U+10FFFF; a surrogate code
// point gets its generalised three-byte form, which a strict decoder rejects).
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace hexcribe
