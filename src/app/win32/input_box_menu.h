// The input box's context menu on Win32: a text box's edit commands and "Paste Command as Text".
#pragma once

#include "platform/win32/windows_api.h"

#include <vector>

#include "ui/main_dialog.h"

namespace hexcribe::app::win32 {

// Takes over the context menu of the edit control `input` while it lives: the
// edit control's own menu cannot be extended, so this one offers its commands
// (in the program's languages) with the new entry after Paste.
class InputBoxMenu {
 public:
  enum Command : UINT { kSeparator = 0, kUndo = 1, kCut, kCopy, kPaste, kPasteCommand, kDelete, kSelectAll };
  struct Item {
    Command command;
    int textId;  // the string table's entry; 0 for a separator
    bool enabled;
  };

  InputBoxMenu(HWND input, ui::MainDialog& dialog);
  ~InputBoxMenu();
  InputBoxMenu(const InputBoxMenu&) = delete;
  InputBoxMenu& operator=(const InputBoxMenu&) = delete;

  // The entries in order, enabled as the box and the clipboard stand now.
  std::vector<Item> Items() const;
  // Does what the chosen entry says.
  void Run(Command command);

 private:
  static LRESULT CALLBACK InputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);
  // Shows the menu at the screen point of a WM_CONTEXTMENU (at the caret when
  // it came from the keyboard) and runs the chosen entry.
  void Show(LPARAM where);

  HWND input_;
  ui::MainDialog& dialog_;
  bool attached_ = false;
};

}  // namespace hexcribe::app::win32
