// "Paste Command as Text" on both front ends: the clipboard, the input box's text (the cursor after
// its first unit; empty: the box one unit short of its limit), the entry's state, what it inserts.
#pragma once

#include <string>
#include <vector>

namespace hexcribe::test {

struct PasteCommandCase {
  const char* name;
  std::string clipboard;
  std::u16string before;
  bool enabled;
  std::u16string inserted;  // line breaks as CR LF
};

inline std::vector<PasteCommandCase> PasteCommandCases() {
  return {
      {"one command", "Print 'U::5C D5 6D AD';", u"ab", true, u"\uD55C\uAD6D"},
      {"lines of numbers", "41,00\r\n42-00\n4300\n", u".", true, u"A\r\nB\r\nC"},
      {"lone surrogate", "3D D8", u".", false, u""},
      {"malformed number", "41 0", u".", false, u""},
      {"up to the box's limit", "41 00 42 00", u"", true, u"A"},
  };
}

}  // namespace hexcribe::test
