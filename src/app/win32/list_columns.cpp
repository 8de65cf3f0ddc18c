// The columns of a dialog's list views, from the template.
#include "app/win32/list_columns.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/wide_text.h"
#include "res/localized_dialogs.h"

namespace hexcribe::app::win32 {

void AddListColumns(HWND dialog, const res::DialogTemplate& dialogTemplate) {
  for (const res::ControlTemplate& control : dialogTemplate.controls) {
    const HWND list = control.columns.empty() ? nullptr : ::GetDlgItem(dialog, control.id);
    if (list == nullptr) continue;
    ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                   LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (std::size_t i = 0; i < control.columns.size(); ++i) {
      RECT width{0, 0, control.columns[i].width, 0};
      ::MapDialogRect(dialog, &width);
      std::wstring header = platform::win32::ToWide(res::LoadResourceString(control.columns[i].textId));
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
      column.pszText = header.data();
      column.cx = width.right;
      column.iSubItem = static_cast<int>(i);
      ::SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
  }
}

void SizeListColumns(HWND list, const res::ControlTemplate& control, const ui::BaseUnits& units) {
  for (std::size_t i = 0; i < control.columns.size(); ++i) {
    const ui::PixelRect width = ui::DialogRectToPixels(units, 0, 0, control.columns[i].width, 0);
    ::SendMessageW(list, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(width.width, 0));
  }
}

}  // namespace hexcribe::app::win32
