// Decoding the clipboard's commands for "Paste Command as Text" with the command-line tool's reader,
// straight into the input box's UTF-16 with its CR LF line breaks.
#include "ui/command_paste.h"

#include "core/command_reader.h"
#include "core/unicode.h"

namespace hexcribe::ui {

namespace {

// The decoded lines as the input box holds text: every line break, the lines' own (CR LF, a lone
// CR or LF) and the ones between lines, becomes one CR LF; the last line's end adds none.
class BoxText final : public LineSink {
 public:
  void Add(char32_t codePoint) override {
    BreakPendingLine();
    if (codePoint == U'\0') holdsNul_ = true;
    if (codePoint > 0xFFFF) {
      Put(HighSurrogateOf(codePoint));
      Put(LowSurrogateOf(codePoint));
    } else {
      Put(static_cast<char16_t>(codePoint));
    }
  }
  bool EndLine() override {
    BreakPendingLine();
    lineEnded_ = true;
    return true;
  }
  void DropLine() override {}  // a malformed line makes the whole paste fail

  // The text, or nullopt when it holds U+0000, which the box cannot hold.
  std::optional<std::u16string> Take() && {
    if (holdsNul_) return std::nullopt;
    return std::move(text_);
  }

 private:
  void BreakPendingLine() {
    if (lineEnded_) Put(u'\n');
    lineEnded_ = false;
  }
  void Put(char16_t unit) {
    const bool secondHalfOfCrLf = afterCr_ && unit == u'\n';
    afterCr_ = unit == u'\r';
    if (secondHalfOfCrLf) return;
    text_ += unit == u'\r' || unit == u'\n' ? std::u16string_view(u"\r\n") : std::u16string_view(&unit, 1);
  }

  std::u16string text_;
  bool lineEnded_ = false;  // a line ended, and a break follows if another line does
  bool afterCr_ = false;
  bool holdsNul_ = false;
};

}  // namespace

std::optional<std::u16string> TextOfPastedCommands(std::u16string_view clipboard) {
  // A clipboard of blanks holds no command.
  if (clipboard.find_first_not_of(u" \t\r\n") == std::u16string_view::npos) return std::nullopt;
  BoxText text;
  CommandReader reader(text, CommandReader::Input::kStream);
  if (!reader.Feed(clipboard) || !reader.Finish()) return std::nullopt;
  return std::move(text).Take();
}

}  // namespace hexcribe::ui
