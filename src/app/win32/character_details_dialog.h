// The Character Details window on Win32: dialog template 103, modeless and owned by the main
// dialog, with a list view that asks for each visible cell as it draws it.
#pragma once

#include "platform/win32/windows_api.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "app/win32/dpi_layout.h"
#include "ui/main_dialog.h"

namespace hexcribe::app::win32 {

class CharacterDetailsDialog {
 public:
  // owner: the main dialog; input: its input box, which Enter on a row hands the focus back to.
  CharacterDetailsDialog(HINSTANCE instance, HWND owner, HWND input, ui::MainDialog& dialog);
  ~CharacterDetailsDialog();
  CharacterDetailsDialog(const CharacterDetailsDialog&) = delete;
  CharacterDetailsDialog& operator=(const CharacterDetailsDialog&) = delete;

  // Creates the window the first time (beside its owner), shows it and brings it to the front.
  bool Show();
  // The rows changed: rowCount rows, the Character column in face at dpi.
  void ShowRows(std::size_t rowCount, const std::u16string& face, int dpi);

  HWND hwnd() const { return hwnd_; }
  HWND list() const { return ::GetDlgItem(hwnd_, IDC_CHARACTER_LIST); }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The list's notifications: its cells' texts, the user's choice of a row, the Character
  // column's font. Gives the notification's result.
  LRESULT OnNotify(const NMHDR& header, LPARAM lParam);
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
  // Makes the Character column's font of face at dpi, and the rows as high as it needs.
  void UseFace(const std::u16string& face, int dpi);
  void PlaceBesideOwner();
  // Enter or a double click on a row: its character selected, the input box back in front.
  void ChooseRowAndReturn();

  struct FontDeleter {
    void operator()(HFONT font) const { ::DeleteObject(font); }
  };

  HINSTANCE instance_;
  HWND owner_;
  HWND input_;
  ui::MainDialog& dialog_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<HFONT__, FontDeleter> characterFont_;
  std::unique_ptr<DpiLayout> layout_;  // once the window has moved to another resolution
  std::u16string face_;
  int fontDpi_ = 0;
  std::wstring cell_;       // the text handed out for the cell drawn last, alive until the next
  bool updating_ = false;   // rows are being replaced: selection changes are not the user's
};

}  // namespace hexcribe::app::win32
