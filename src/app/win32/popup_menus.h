// Popup menus handled as data: a copy of a menu another window built, and the key that moves a
// menu's keyboard selection one step toward a command.
#pragma once

#include "platform/win32/windows_api.h"

#include "platform/win32/unique_handles.h"

namespace hexcribe::app::win32 {

// The menu that a popup menu window (class #32768) shows, or nullptr.
HMENU MenuOfPopupWindow(HWND popup);

// A popup menu with the items of `source`, submenus included: types, states, ids and texts, which
// is all a system menu carries. Null when source is no menu.
platform::win32::UniqueMenu CopyPopupMenu(HMENU source);

// The position of the item with command id `command` in `menu` itself, or -1.
int PositionOfCommand(HMENU menu, UINT command);

// The key a user presses in `menu` (the open menu level) to come one step closer to choosing
// `command`: Enter on it, Right on the highlighted submenu that holds it, otherwise Down. 0 when
// neither the menu nor its submenus hold it.
WPARAM KeyTowardCommand(HMENU menu, UINT command);

}  // namespace hexcribe::app::win32
