// Decoding the clipboard's commands for "Paste Command as Text" with the command-line tool's decoder.
#include "ui/command_paste.h"

#include "core/byte_sink.h"
#include "core/command_decoder.h"
#include "core/utf8_text.h"

namespace hexcribe::ui {

std::optional<std::u16string> TextOfPastedCommands(std::u16string_view clipboard) {
  // Commands are ASCII; a clipboard of blanks holds none.
  std::string bytes;
  bytes.reserve(clipboard.size());
  bool anyCommand = false;
  for (const char16_t unit : clipboard) {
    if (unit >= 0x80) return std::nullopt;
    bytes += static_cast<char>(unit);
    if (unit != u' ' && unit != u'\t' && unit != u'\r' && unit != u'\n') anyCommand = true;
  }
  if (!anyCommand) return std::nullopt;

  StringSink lines;
  CommandDecoder decoder(lines);
  if (!decoder.Feed(bytes) || !decoder.Finish()) return std::nullopt;
  // Every line's text ends in LF, and a text may hold line breaks of its own:
  // each becomes the box's CR LF, the last line's LF goes.
  const std::u16string decoded = DecodeUtf8(lines.data, InvalidUtf8::Replace);
  std::u16string text;
  text.reserve(decoded.size());
  for (std::size_t i = 0; i + 1 < decoded.size(); ++i) {
    const char16_t unit = decoded[i];
    if (unit == u'\0') return std::nullopt;
    if (unit == u'\r' && decoded[i + 1] == u'\n' && i + 2 < decoded.size()) ++i;
    text += unit == u'\r' || unit == u'\n' ? std::u16string_view(u"\r\n") : std::u16string_view(&unit, 1);
  }
  return text;
}

}  // namespace hexcribe::ui
