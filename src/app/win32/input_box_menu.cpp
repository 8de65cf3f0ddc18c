// The input box's context menu on Win32: built at each WM_CONTEXTMENU, run with TrackPopupMenu.
#include "app/win32/input_box_menu.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "platform/win32/unique_handles.h"
#include "platform/win32/wide_text.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "res/resource.h"

namespace hexcribe::app::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

InputBoxMenu::InputBoxMenu(HWND input, ui::MainDialog& dialog) : input_(input), dialog_(dialog) {
  attached_ = input_ != nullptr &&
              ::SetWindowSubclass(input_, InputProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

InputBoxMenu::~InputBoxMenu() {
  if (attached_) ::RemoveWindowSubclass(input_, InputProc, kSubclassId);
}

LRESULT CALLBACK InputBoxMenu::InputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                         DWORD_PTR self) {
  auto* menu = reinterpret_cast<InputBoxMenu*>(self);
  if (message == WM_CONTEXTMENU) {
    menu->Show(lParam);
    return 0;
  }
  if (message == WM_NCDESTROY) {
    // The box goes first: nothing is left to detach from later.
    ::RemoveWindowSubclass(hwnd, InputProc, kSubclassId);
    menu->attached_ = false;
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

std::vector<InputBoxMenu::Item> InputBoxMenu::Items() const {
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(input_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const bool selected = start != end;
  const bool editable = (::GetWindowLongW(input_, GWL_STYLE) & ES_READONLY) == 0;
  const auto length = static_cast<DWORD>(::GetWindowTextLengthW(input_));
  return {
      {kUndo, IDS_EDIT_UNDO, editable && ::SendMessageW(input_, EM_CANUNDO, 0, 0) != 0},
      {kSeparator, 0, false},
      {kCut, IDS_EDIT_CUT, editable && selected},
      {kCopy, IDS_EDIT_COPY, selected},
      {kPaste, IDS_EDIT_PASTE, editable && ::IsClipboardFormatAvailable(CF_UNICODETEXT)},
      {kPasteCommand, IDS_PASTE_COMMAND_AS_TEXT, editable && dialog_.CanPasteCommandAsText()},
      {kDelete, IDS_EDIT_DELETE, editable && selected},
      {kSeparator, 0, false},
      {kSelectAll, IDS_EDIT_SELECT_ALL, length > 0 && (start > 0 || end < length)},
  };
}

void InputBoxMenu::Run(Command command) {
  switch (command) {
    case kUndo: ::SendMessageW(input_, EM_UNDO, 0, 0); break;
    case kCut: ::SendMessageW(input_, WM_CUT, 0, 0); break;
    case kCopy: ::SendMessageW(input_, WM_COPY, 0, 0); break;
    case kPaste: ::SendMessageW(input_, WM_PASTE, 0, 0); break;
    case kPasteCommand: dialog_.PasteCommandAsText(); break;
    case kDelete: ::SendMessageW(input_, WM_CLEAR, 0, 0); break;
    case kSelectAll: ::SendMessageW(input_, EM_SETSEL, 0, -1); break;
    case kSeparator: break;
  }
}

void InputBoxMenu::Show(LPARAM where) {
  ::SetFocus(input_);
  const platform::win32::UniqueMenu menu(::CreatePopupMenu());
  if (menu.get() == nullptr) return;
  for (const Item& item : Items()) {
    if (item.command == kSeparator) {
      ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    } else {
      const std::wstring text = platform::win32::ToWide(res::LoadResourceString(item.textId));
      ::AppendMenuW(menu.get(), MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), item.command, text.c_str());
    }
  }
  POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (where == -1) {
    // From the keyboard (Shift+F10, the Menu key): in the middle of the box, as an edit control's own menu.
    RECT box{};
    ::GetWindowRect(input_, &box);
    at = {box.left + (box.right - box.left) / 2, box.top + (box.bottom - box.top) / 2};
  }
  const auto chosen = static_cast<UINT>(
      ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, input_, nullptr));
  if (chosen >= kUndo && chosen <= kSelectAll) Run(static_cast<Command>(chosen));
}

}  // namespace hexcribe::app::win32
