// The input box's context menu on Win32: the system's own edit menu, with the program's items after Paste.
#pragma once

#include "platform/win32/windows_api.h"

#include <vector>

#include "platform/win32/unique_handles.h"
#include "ui/main_dialog.h"

namespace hexcribe::app::win32 {

// Takes over the context menu of the edit control `input` while it lives. The menu shown is the
// one the edit control itself builds (the system's items, texts and states, in the system's
// language: on Windows also reading order, Unicode control characters and the IME's entries where
// they apply), copied as the control opens it, with the program's own items inserted after Paste.
// The control builds and runs its menu inside its own message handling, so its menu cannot be
// extended in place: the copy is shown instead, and the system's commands are carried out as the
// control carries them out.
class InputBoxMenu {
 public:
  // The program's commands, numbered above the system's edit commands and below Windows' own
  // further entries.
  enum Command : UINT { kSeparator = 0, kPasteCommand = 0x7F00, kCharacterDetails, kComposeCharacters };
  // One of the program's items: a new one is a row in OwnItems() and a case in Run().
  struct Item {
    Command command;
    int textId;  // the string table's entry, in the program's language; 0 for a separator
    bool enabled;
  };

  InputBoxMenu(HWND input, ui::MainDialog& dialog);
  ~InputBoxMenu();
  InputBoxMenu(const InputBoxMenu&) = delete;
  InputBoxMenu& operator=(const InputBoxMenu&) = delete;

  // The program's items in order, enabled as the box and the clipboard stand now.
  std::vector<Item> OwnItems() const;
  // Does what one of the program's items says.
  void Run(Command command);

  // The menu for a WM_CONTEXTMENU at `where`: the edit control's own menu as the control built it
  // just now, with OwnItems() after its Paste. Null when the control showed no menu that could be
  // copied (it has then run its own menu as usual).
  platform::win32::UniqueMenu Compose(LPARAM where);
  // Carries out a command of the composed menu: the program's own, the edit commands as the
  // control does (the command ids are the control's messages), any other by choosing it in the
  // control's own menu.
  void Dispatch(UINT command, LPARAM where);
  // Opens the control's own menu at `where` and chooses `command` there with the keyboard, as a
  // user would; false when the menu holds no such command.
  bool ChooseInOwnMenu(UINT command, LPARAM where);

 private:
  // What the program does with the control's own menu while it is open.
  enum class OwnMenuUse { kNone, kCopy, kChoose };

  static LRESULT CALLBACK InputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);
  // Shows the composed menu where the control shows its own and carries out the chosen command.
  void Show(LPARAM where);
  // Lets the control open its own menu for WM_CONTEXTMENU at `where`, for `use`.
  void OpenOwnMenu(OwnMenuUse use, LPARAM where);
  // The control's menu waits for the user (WM_ENTERIDLE): copy it and close it, or take one step
  // toward the command being chosen.
  void OnOwnMenuIdle(HWND popup);
  void InsertOwnItems(HMENU menu) const;

  HWND input_;
  ui::MainDialog& dialog_;
  bool attached_ = false;
  OwnMenuUse use_ = OwnMenuUse::kNone;
  platform::win32::UniqueMenu copied_{nullptr};
  POINT copiedAt_{};  // the top left corner of the control's menu on the screen
  UINT target_ = 0;
  int steps_ = 0;
  bool reached_ = false;
};

}  // namespace hexcribe::app::win32
