// The Character Details window on Win32: a modeless dialog whose owner-data list view reads each
// visible cell from the portable rows and draws the Character column in the chosen face.
#include "app/win32/character_details_dialog.h"

#include <cstdlib>

#include "app/win32/dpi_layout.h"
#include "app/win32/list_columns.h"
#include "core/font_size.h"
#include "platform/win32/wide_text.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "res/resource.h"
#include "ui/dialog_units.h"

namespace hexcribe::app::win32 {
namespace {

ui::PixelRect PixelRectOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

CharacterDetailsDialog::CharacterDetailsDialog(HINSTANCE instance, HWND owner, HWND input, ui::MainDialog& dialog)
    : instance_(instance), owner_(owner), input_(input), dialog_(dialog) {}

CharacterDetailsDialog::~CharacterDetailsDialog() {
  // The list view destroys its image list with itself.
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

bool CharacterDetailsDialog::Show() {
  if (hwnd_ == nullptr) {
    ::CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_CHARACTER_DETAILS), owner_, DialogProc,
                         reinterpret_cast<LPARAM>(this));
    if (hwnd_ == nullptr) return false;
    PlaceBesideOwner();
  }
  ::ShowWindow(hwnd_, SW_SHOW);
  ::SetActiveWindow(hwnd_);
  return true;
}

void CharacterDetailsDialog::ShowRows(std::size_t rowCount, const std::u16string& face, int dpi) {
  if (hwnd_ == nullptr) return;
  if (!characterFont_ || face != face_ || dpi != fontDpi_) UseFace(face, dpi);
  updating_ = true;
  ::SendMessageW(list(), LVM_SETITEMCOUNT, rowCount, LVSICF_NOSCROLL);
  updating_ = false;
  ::InvalidateRect(list(), nullptr, FALSE);
}

void CharacterDetailsDialog::UseFace(const std::u16string& face, int dpi) {
  LOGFONTW description{};
  description.lfHeight = -std::abs(PointSizeToPixels(ui::kCharacterTenthsOfPoint, dpi));
  description.lfCharSet = DEFAULT_CHARSET;
  platform::win32::ToWide(face).copy(description.lfFaceName, LF_FACESIZE - 1);
  characterFont_.reset(::CreateFontIndirectW(&description));
  face_ = face;
  fontDpi_ = dpi;
  if (!characterFont_) return;
  // Rows as high as the face's characters: a list view's rows are as high as its small images.
  const HWND rows = list();
  TEXTMETRICW metrics{};
  const HDC dc = ::GetDC(rows);
  const HGDIOBJ previousFont = ::SelectObject(dc, characterFont_.get());
  ::GetTextMetricsW(dc, &metrics);
  ::SelectObject(dc, previousFont);
  ::ReleaseDC(rows, dc);
  const HIMAGELIST rowHeight = ::ImageList_Create(1, static_cast<int>(metrics.tmHeight) + 4, ILC_COLOR, 0, 1);
  const auto previous = reinterpret_cast<HIMAGELIST>(
      ::SendMessageW(rows, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowHeight)));
  if (previous != nullptr) ::ImageList_Destroy(previous);
}

INT_PTR CALLBACK CharacterDetailsDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CharacterDetailsDialog*>(lParam);
    ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
    AddListColumns(hwnd, res::CharacterDetailsTemplate());
    return TRUE;  // the list, the first tab stop, gets the focus
  }
  auto* self = reinterpret_cast<CharacterDetailsDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    return FALSE;
  }
  return self->HandleMessage(message, wParam, lParam);
}

INT_PTR CharacterDetailsDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DPICHANGED:
      // Moved to a monitor of another resolution: the layout, the columns and the face for it.
      if (!layout_) layout_ = std::make_unique<DpiLayout>(hwnd_, res::CharacterDetailsTemplate());
      layout_->Apply(HIWORD(wParam), 0, reinterpret_cast<const RECT*>(lParam));
      if (characterFont_) UseFace(face_, HIWORD(wParam));
      ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 0);
      return TRUE;
    case WM_NOTIFY: {
      const LRESULT result = OnNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
      ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {  // Enter: on a row, back to the text with its character selected
        if (::GetFocus() == list()) ChooseRowAndReturn();
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {  // Close, Escape, the close box: hidden until opened again
        ::ShowWindow(hwnd_, SW_HIDE);
        dialog_.OnCharacterDetailsClosed();
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

LRESULT CharacterDetailsDialog::OnNotify(const NMHDR& header, LPARAM lParam) {
  if (header.idFrom != IDC_CHARACTER_LIST) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lParam)->item;
      if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        cell_ = platform::win32::ToWide(
            dialog_.characterDetails().Cell(static_cast<std::size_t>(item.iItem), item.iSubItem));
        item.pszText[cell_.copy(item.pszText, static_cast<std::size_t>(item.cchTextMax) - 1)] = L'\0';
      }
      return 0;
    }
    case LVN_ITEMCHANGED: {
      // Only the user's choice selects in the input box: not rows that move as the text changes.
      const auto& change = *reinterpret_cast<const NMLISTVIEW*>(lParam);
      const bool selected = (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
      if (!updating_ && selected && change.iItem >= 0 && ::GetFocus() == list()) {
        dialog_.OnCharacterRowChosen(static_cast<std::size_t>(change.iItem));
      }
      return 0;
    }
    case NM_CLICK: {
      // A click chooses its row also when that row is selected already (from before the text changed).
      const int row = reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem;
      if (row >= 0) dialog_.OnCharacterRowChosen(static_cast<std::size_t>(row));
      return 0;
    }
    case NM_DBLCLK:
      ChooseRowAndReturn();
      return 0;
    case NM_CUSTOMDRAW:
      return OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
    default:
      return 0;
  }
}

LRESULT CharacterDetailsDialog::OnCustomDraw(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      // The Character column in the face; the others in the list's own font, which must be
      // chosen again after the face was.
      const bool character = draw.iSubItem == ui::kCharacterColumn && characterFont_;
      const HFONT font = character ? characterFont_.get()
                                   : reinterpret_cast<HFONT>(::SendMessageW(list(), WM_GETFONT, 0, 0));
      ::SelectObject(draw.nmcd.hdc, font);
      return CDRF_NEWFONT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

void CharacterDetailsDialog::PlaceBesideOwner() {
  RECT owner{};
  RECT self{};
  ::GetWindowRect(owner_, &owner);
  ::GetWindowRect(hwnd_, &self);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!::GetMonitorInfoW(::MonitorFromWindow(owner_, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const ui::PixelRect at = ui::WindowBeside(PixelRectOf(owner), self.right - self.left, self.bottom - self.top,
                                            PixelRectOf(monitor.rcWork));
  ::SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CharacterDetailsDialog::ChooseRowAndReturn() {
  const auto row = static_cast<int>(::SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (row < 0) return;
  dialog_.OnCharacterRowChosen(static_cast<std::size_t>(row));
  // Straight to the box: the dialog's own way of moving the focus would select all its text.
  ::SetActiveWindow(owner_);
  ::SetFocus(input_);
}

}  // namespace hexcribe::app::win32
