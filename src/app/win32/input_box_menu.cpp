// The input box's context menu on Win32: the edit control's own menu, copied while it opens, shown
// with the program's items after Paste; the chosen command carried out as the control would.
#include "app/win32/input_box_menu.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <utility>

#include "app/win32/popup_menus.h"
#include "platform/win32/wide_text.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "res/resource.h"

namespace hexcribe::app::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
// More than any edit menu needs to reach an item by keyboard, submenus included.
constexpr int kMaxKeySteps = 64;

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
  switch (message) {
    case WM_CONTEXTMENU:
      // While the program opens the control's own menu, the control handles the message itself.
      if (menu->use_ != OwnMenuUse::kNone) break;
      menu->Show(lParam);
      return 0;
    case WM_ENTERIDLE:
      // The control's menu is the owner's modal loop; it names its window when it waits for input.
      if (wParam == MSGF_MENU && menu->use_ != OwnMenuUse::kNone) menu->OnOwnMenuIdle(reinterpret_cast<HWND>(lParam));
      break;
    case WM_NCDESTROY:
      // The box goes first: nothing is left to detach from later.
      ::RemoveWindowSubclass(hwnd, InputProc, kSubclassId);
      menu->attached_ = false;
      break;
    default:
      break;
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

std::vector<InputBoxMenu::Item> InputBoxMenu::OwnItems() const {
  const bool editable = (::GetWindowLongW(input_, GWL_STYLE) & ES_READONLY) == 0;
  return {
      {kPasteCommand, IDS_PASTE_COMMAND_AS_TEXT, editable && dialog_.CanPasteCommandAsText()},
      {kCharacterDetails, IDS_CHARACTER_DETAILS, true},
      {kComposeCharacters, IDS_COMPOSE_CHARACTERS, editable && dialog_.CanComposeCharacters()},
  };
}

void InputBoxMenu::Run(Command command) {
  switch (command) {
    case kPasteCommand: dialog_.PasteCommandAsText(); break;
    case kCharacterDetails: dialog_.ShowCharacterDetails(); break;
    case kComposeCharacters: dialog_.ComposeCharacters(); break;
    case kSeparator: break;
  }
}

void InputBoxMenu::OpenOwnMenu(OwnMenuUse use, LPARAM where) {
  use_ = use;
  ::SendMessageW(input_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(input_), where);
  use_ = OwnMenuUse::kNone;
}

void InputBoxMenu::OnOwnMenuIdle(HWND popup) {
  const HMENU shown = MenuOfPopupWindow(popup);
  if (use_ == OwnMenuUse::kCopy) {
    if (copied_) return;
    copied_ = CopyPopupMenu(shown);
    // Without a copy the control's menu stays open and works as it always does.
    if (!copied_) return;
    RECT frame{};
    ::GetWindowRect(popup, &frame);
    copiedAt_ = {frame.left, frame.top};
    ::EndMenu();
    return;
  }
  const WPARAM key = ++steps_ <= kMaxKeySteps ? KeyTowardCommand(shown, target_) : 0;
  if (key == 0) {
    ::EndMenu();
    return;
  }
  reached_ = key == VK_RETURN;
  ::PostMessageW(input_, WM_KEYDOWN, key, 1);
  ::PostMessageW(input_, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

void InputBoxMenu::InsertOwnItems(HMENU menu) const {
  // After Paste, or at the end of a menu without one.
  const int paste = PositionOfCommand(menu, WM_PASTE);
  auto position = static_cast<UINT>(paste >= 0 ? paste + 1 : ::GetMenuItemCount(menu));
  for (const Item& item : OwnItems()) {
    if (item.command == kSeparator) {
      ::InsertMenuW(menu, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const std::wstring text = platform::win32::ToWide(res::LoadResourceString(item.textId));
    ::InsertMenuW(menu, position++, MF_BYPOSITION | MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), item.command,
                  text.c_str());
  }
}

platform::win32::UniqueMenu InputBoxMenu::Compose(LPARAM where) {
  copied_ = platform::win32::UniqueMenu(nullptr);
  OpenOwnMenu(OwnMenuUse::kCopy, where);
  platform::win32::UniqueMenu menu = std::move(copied_);
  if (menu) InsertOwnItems(menu.get());
  return menu;
}

void InputBoxMenu::Dispatch(UINT command, LPARAM where) {
  for (const Item& item : OwnItems()) {
    if (item.command != kSeparator && item.command == command) {
      Run(item.command);
      return;
    }
  }
  switch (command) {
    // Wine's menu names Undo by EM_UNDO, Windows' by WM_UNDO; the control answers both alike.
    case EM_UNDO:
    case WM_UNDO: ::SendMessageW(input_, WM_UNDO, 0, 0); break;
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR: ::SendMessageW(input_, command, 0, 0); break;
    case EM_SETSEL: ::SendMessageW(input_, EM_SETSEL, 0, -1); break;
    // Reading order, Unicode control characters, the IME's entries: only the control knows how.
    default: ChooseInOwnMenu(command, where); break;
  }
}

bool InputBoxMenu::ChooseInOwnMenu(UINT command, LPARAM where) {
  target_ = command;
  steps_ = 0;
  reached_ = false;
  OpenOwnMenu(OwnMenuUse::kChoose, where);
  return reached_;
}

void InputBoxMenu::Show(LPARAM where) {
  const platform::win32::UniqueMenu menu = Compose(where);
  if (!menu) return;
  // A click's point, as the control uses it; from the keyboard (Shift+F10, the Menu key) where the
  // control put its own menu.
  const POINT at = where == -1 ? copiedAt_ : POINT{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  const auto chosen = static_cast<UINT>(::TrackPopupMenu(
      menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, input_, nullptr));
  if (chosen != 0) Dispatch(chosen, where);
}

}  // namespace hexcribe::app::win32
