// Popup menus handled as data: copying a menu item by item, finding a command, one keyboard step.
#include "app/win32/popup_menus.h"

#include <string>

namespace hexcribe::app::win32 {
namespace {

// The item at `position` with its text (empty for separators and bitmaps).
struct MenuItem {
  MENUITEMINFOW info{};
  std::wstring text;
};

bool ReadItem(HMENU menu, int position, MenuItem& item) {
  item.info = MENUITEMINFOW{};
  item.info.cbSize = sizeof item.info;
  item.info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
  if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item.info)) return false;
  item.text.assign(item.info.cch, L'\0');
  if (item.info.cch > 0) {
    // The first call gave the length; the second fills the text and its terminating zero.
    item.text.push_back(L'\0');
    item.info.dwTypeData = item.text.data();
    ++item.info.cch;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item.info)) return false;
    item.text.pop_back();
  }
  return true;
}

bool Holds(HMENU menu, UINT command) {
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const HMENU submenu = ::GetSubMenu(menu, i);
    if (submenu != nullptr ? Holds(submenu, command) : ::GetMenuItemID(menu, i) == command) return true;
  }
  return false;
}

}  // namespace

HMENU MenuOfPopupWindow(HWND popup) {
  MENUBARINFO bar{};
  bar.cbSize = sizeof bar;
  if (popup != nullptr && ::GetMenuBarInfo(popup, static_cast<LONG>(OBJID_CLIENT), 0, &bar)) return bar.hMenu;
  return popup != nullptr ? reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0)) : nullptr;
}

platform::win32::UniqueMenu CopyPopupMenu(HMENU source) {
  if (source == nullptr || !::IsMenu(source)) return platform::win32::UniqueMenu(nullptr);
  platform::win32::UniqueMenu copy(::CreatePopupMenu());
  const int count = ::GetMenuItemCount(source);
  for (int i = 0; copy && i < count; ++i) {
    MenuItem item;
    if (!ReadItem(source, i, item)) continue;
    platform::win32::UniqueMenu submenu(nullptr);
    if (item.info.hSubMenu != nullptr) {
      submenu = CopyPopupMenu(item.info.hSubMenu);
      item.info.hSubMenu = submenu.get();
    }
    item.info.dwTypeData = item.text.empty() ? nullptr : item.text.data();
    item.info.cch = static_cast<UINT>(item.text.size());
    if (item.text.empty()) item.info.fMask &= ~static_cast<UINT>(MIIM_STRING);
    // The inserted item owns its submenu from now on: DestroyMenu of the copy frees both.
    if (::InsertMenuItemW(copy.get(), static_cast<UINT>(i), TRUE, &item.info)) submenu.release();
  }
  return copy;
}

int PositionOfCommand(HMENU menu, UINT command) {
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (::GetSubMenu(menu, i) == nullptr && ::GetMenuItemID(menu, i) == command) return i;
  }
  return -1;
}

WPARAM KeyTowardCommand(HMENU menu, UINT command) {
  if (menu == nullptr) return 0;
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const HMENU submenu = ::GetSubMenu(menu, i);
    const bool here = submenu != nullptr ? Holds(submenu, command) : ::GetMenuItemID(menu, i) == command;
    if (!here) continue;
    const bool highlighted = (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) != 0;
    if (!highlighted) return VK_DOWN;
    return submenu != nullptr ? VK_RIGHT : VK_RETURN;
  }
  return 0;
}

}  // namespace hexcribe::app::win32
