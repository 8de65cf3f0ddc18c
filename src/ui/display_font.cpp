// Filling the Font list and giving the input box its 26-point display font.
#include "ui/display_font.h"

namespace hexcribe {

namespace {
constexpr int kDisplayFontTenthsOfPoint = 260;
}  // namespace

void FillComboBox(ui::DialogWindow& window, int listId, const std::vector<std::u16string>& faces) {
  // Delete item 0 until the list is empty; stop should a control refuse to shrink.
  for (int count = window.GetItemCount(listId); count > 0;) {
    window.DeleteItem(listId, 0);
    const int remaining = window.GetItemCount(listId);
    if (remaining >= count) break;
    count = remaining;
  }
  int index = 0;
  for (const std::u16string& face : faces) window.InsertItem(listId, index++, face);
}

void DisplayFont::Apply(int listId, int inputId) {
  // The previous font goes once the box holds the new one: a box left without a
  // font in between would lay its whole text out twice.
  const ui::FontHandle previous = handle_;
  if (previous != 0 && inputId_ != inputId) window_.SetControlFont(inputId_, 0);
  // Untrimmed: a face name with spaces is used as the list shows it. Empty
  // when nothing is selected, which gives the platform's default face.
  const std::u16string face = window_.GetText(listId, 0);
  handle_ = window_.CreatePointFont(kDisplayFontTenthsOfPoint, face);
  inputId_ = inputId;
  // A failed creation hands over 0: the box falls back to its default font.
  window_.SetControlFont(inputId, handle_);
  if (previous != 0) window_.DestroyFont(previous);
}

void DisplayFont::Release() {
  if (handle_ == 0) return;
  // Detach before destroying so the box never holds a destroyed font.
  window_.SetControlFont(inputId_, 0);
  window_.DestroyFont(handle_);
  handle_ = 0;
}

void ApplyDisplayFont(DisplayFont& font) { font.Apply(ui::kFontList, ui::kInputBox); }

}  // namespace hexcribe
