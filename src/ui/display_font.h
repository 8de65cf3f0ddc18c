// Filling the Font list and giving the input box its 26-point display font.
#pragma once

#include <string>
#include <vector>

#include "ui/dialog_window.h"

namespace hexcribe {

// Replaces the items of the list control `listId` with faces, in order.
void FillComboBox(ui::DialogWindow& window, int listId, const std::vector<std::u16string>& faces);

// Owns the one display font alive at a time; releases it when destroyed.
// The window must outlive it: release the font before the window goes away.
class DisplayFont {
 public:
  explicit DisplayFont(ui::DialogWindow& window) : window_(window) {}
  ~DisplayFont() { Release(); }
  DisplayFont(const DisplayFont&) = delete;
  DisplayFont& operator=(const DisplayFont&) = delete;

  // Makes a 26.0-point font from the untrimmed text of list `listId` and gives
  // it to control `inputId` only, releasing the previous font.
  void Apply(int listId, int inputId);
  // Destroys the font, if any (the control keeps no dangling handle).
  void Release();
  ui::FontHandle handle() const { return handle_; }

 private:
  ui::DialogWindow& window_;
  ui::FontHandle handle_ = 0;
  int inputId_ = 0;
};

// ApplyDisplayFont of the dialog: font.Apply(kFontList, kInputBox).
void ApplyDisplayFont(DisplayFont& font);

}  // namespace hexcribe
