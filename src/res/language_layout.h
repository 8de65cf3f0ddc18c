// What a language changes in the dialogs besides their texts: the dialog font its script needs, and
// the controls that grow so its texts fit. Tables, applied by the localized templates.
#pragma once

#include <span>
#include <string_view>

namespace hexcribe::res {

// The font of both dialogs in a language. Windows needs a face that shows the script, and the
// character set makes the font mapper pick one of that script where the face is missing.
struct LanguageFont {
  std::string_view language;  // a translation's code
  std::u16string_view face;
  int pointSize;
  int charset;
};

// How far a control (or, for controlId kWholeDialog, the dialog) moves and grows in a language,
// in dialog units.
struct LayoutChange {
  std::string_view language;
  int dialogId;
  int controlId;
  int dx;
  int dy;
  int dwidth;
  int dheight;
};
inline constexpr int kWholeDialog = 0;

std::span<const LanguageFont> LanguageFonts();
std::span<const LayoutChange> LayoutChanges();

}  // namespace hexcribe::res
