// Screen-reader names from label texts.
#include "ui/accessible_name.h"

namespace hexcribe::ui {
namespace {

bool IsSpace(char16_t ch) { return ch == u' ' || ch == u'\t' || ch == u'\r' || ch == u'\n'; }

// A label ending in "(&X)" — the form East Asian labels give a mnemonic that
// their own script cannot underline — loses it whole, so "글꼴(&F)" reads "글꼴";
// so does one where a colon follows it: "문자(&C):" reads "문자:".
std::u16string WithoutTrailingMnemonic(std::u16string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsSpace(text[end - 1])) --end;
  const std::size_t colon = end > 0 && (text[end - 1] == u':' || text[end - 1] == u'\uFF1A') ? 1 : 0;
  const std::size_t close = end - colon;
  if (close >= 4 && text[close - 4] == u'(' && text[close - 3] == u'&' && text[close - 2] != u'&' &&
      text[close - 1] == u')') {
    return std::u16string(text.substr(0, close - 4)) += text.substr(close, colon);
  }
  return std::u16string(text);
}

}  // namespace

std::u16string AccessibleName(std::u16string_view labelText) {
  const std::u16string text = WithoutTrailingMnemonic(labelText);
  std::u16string name;
  name.reserve(text.size());
  bool pendingSpace = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t ch = text[i];
    if (IsSpace(ch)) {
      pendingSpace = !name.empty();
      continue;
    }
    if (ch == u'&') {
      // "&&" shows one ampersand; a single one only marks the next letter.
      if (i + 1 >= text.size() || text[i + 1] != u'&') continue;
      ++i;
    }
    if (pendingSpace) name += u' ';
    pendingSpace = false;
    name += ch;
  }
  return name;
}

}  // namespace hexcribe::ui
