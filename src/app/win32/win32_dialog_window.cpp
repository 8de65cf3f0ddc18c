// The main dialog's controls as the portable dialog sees them, on a real Win32 dialog window.
#include "app/win32/win32_dialog_window.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/win32/about_box.h"
#include "app/win32/dpi_layout.h"
#include "core/font_size.h"
#include "platform/win32/wide_text.h"
#include "ui/input_limit.h"

namespace hexcribe::app::win32 {

using platform::win32::FromWide;
using platform::win32::ToWide;

Win32DialogWindow::Win32DialogWindow(HINSTANCE instance, HWND dialog, std::function<void(int)> endDialog)
    : instance_(instance), dialog_(dialog), endDialog_(std::move(endDialog)), dpi_(WindowDpi(dialog)) {}

std::u16string Win32DialogWindow::GetText(int id, std::size_t capacity) const {
  const HWND control = Control(id);
  if (control == nullptr) return {};
  if (capacity == 0) capacity = static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1;
  if (capacity > static_cast<std::size_t>(INT_MAX)) capacity = INT_MAX;
  std::vector<wchar_t> buffer(capacity, L'\0');
  const int length = ::GetWindowTextW(control, buffer.data(), static_cast<int>(capacity));
  return FromWide(std::wstring_view(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0));
}

void Win32DialogWindow::SetText(int id, const std::u16string& text) {
  ::SetDlgItemTextW(dialog_, id, ToWide(text).c_str());
}

void Win32DialogWindow::ReplaceSelection(int id, const std::u16string& text) {
  const HWND box = Control(id);
  if (box == nullptr) return;
  // The box would cut an insertion at its limit anywhere, even inside a pair:
  // cut it first where a character or a line break ends.
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const auto length = static_cast<std::size_t>(::GetWindowTextLengthW(box));
  const auto limit = static_cast<std::size_t>(::SendMessageW(box, EM_GETLIMITTEXT, 0, 0));
  const std::size_t kept = length - std::min<std::size_t>(end > start ? end - start : 0, length);
  const std::u16string_view head = ui::HeadThatFits(text, kept >= limit ? 0 : limit - kept);
  if (head.size() < text.size()) ::MessageBeep(MB_OK);
  if (head.empty()) return;
  ::SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(ToWide(head).c_str()));
}

ui::TextSelection Win32DialogWindow::GetSelection(int id) const {
  DWORD start = 0;
  DWORD end = 0;
  Send(id, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

void Win32DialogWindow::SetSelection(int id, ui::TextSelection selection) {
  Send(id, EM_SETSEL, selection.start, static_cast<LPARAM>(selection.end));
  Send(id, EM_SCROLLCARET, 0, 0);
}

void Win32DialogWindow::ReplaceText(int id, const std::u16string& text, std::size_t cursor) {
  // The whole text replaced as a selection: the box keeps it as one step for Undo and reports it.
  Send(id, EM_SETSEL, 0, -1);
  Send(id, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
  SetSelection(id, {cursor, cursor});
}

void Win32DialogWindow::SetTitle(const std::u16string& title) { ::SetWindowTextW(dialog_, ToWide(title).c_str()); }

int Win32DialogWindow::GetItemCount(int id) const {
  const LRESULT count = Send(id, CB_GETCOUNT, 0, 0);
  return count > 0 ? static_cast<int>(count) : 0;
}

void Win32DialogWindow::DeleteItem(int id, int index) { Send(id, CB_DELETESTRING, static_cast<WPARAM>(index), 0); }

void Win32DialogWindow::InsertItem(int id, int index, const std::u16string& text) {
  const std::wstring wide = ToWide(text);
  Send(id, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str()));
}

int Win32DialogWindow::GetCurSel(int id) const { return static_cast<int>(Send(id, CB_GETCURSEL, 0, 0)); }

void Win32DialogWindow::SetCurSel(int id, int index) { Send(id, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

int Win32DialogWindow::SelectString(int id, int startIndex, const std::u16string& prefix) {
  // The combo box's own search: case-insensitive prefix, from the item after
  // startIndex, wrapping; no match leaves the selection as it was.
  const std::wstring wide = ToWide(prefix);
  return static_cast<int>(
      Send(id, CB_SELECTSTRING, static_cast<WPARAM>(startIndex), reinterpret_cast<LPARAM>(wide.c_str())));
}

int Win32DialogWindow::GetCheck(int id) const { return static_cast<int>(Send(id, BM_GETCHECK, 0, 0)); }

void Win32DialogWindow::SetCheck(int id, int state) { Send(id, BM_SETCHECK, static_cast<WPARAM>(state), 0); }

ui::FontHandle Win32DialogWindow::CreatePointFont(int tenthsOfPoint, const std::u16string& face) {
  // Tenths of a point to a character height with the window's vertical
  // resolution (negative: the character height, not the cell height).
  LOGFONTW font{};
  font.lfHeight = -std::abs(PointSizeToPixels(tenthsOfPoint, dpi_));
  font.lfCharSet = DEFAULT_CHARSET;
  // A longer name is cut like lstrcpyn does; an empty one gives the default face.
  ToWide(face).copy(font.lfFaceName, LF_FACESIZE - 1);
  return reinterpret_cast<ui::FontHandle>(::CreateFontIndirectW(&font));
}

void Win32DialogWindow::DestroyFont(ui::FontHandle font) {
  if (font != 0) ::DeleteObject(reinterpret_cast<HFONT>(font));
}

void Win32DialogWindow::SetControlFont(int id, ui::FontHandle font) {
  Send(id, WM_SETFONT, static_cast<WPARAM>(font), MAKELPARAM(TRUE, 0));
}

bool Win32DialogWindow::AddAboutMenuEntry(int commandId, const std::u16string& text) {
  const HMENU menu = ::GetSystemMenu(dialog_, FALSE);
  if (menu == nullptr) return false;
  return ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) &&
         ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(commandId), ToWide(text).c_str());
}

void Win32DialogWindow::SetIcon(int iconId, bool big) {
  // Each size from its own image of the icon group; shared icons are never destroyed.
  const int width = ::GetSystemMetrics(big ? SM_CXICON : SM_CXSMICON);
  const int height = ::GetSystemMetrics(big ? SM_CYICON : SM_CYSMICON);
  const auto icon = static_cast<HICON>(
      ::LoadImageW(instance_, MAKEINTRESOURCEW(iconId), IMAGE_ICON, width, height, LR_SHARED));
  ::SendMessageW(dialog_, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void Win32DialogWindow::ShowAboutBox() { RunAboutBox(instance_, dialog_); }

void Win32DialogWindow::EndDialog(int result) {
  if (endDialog_) endDialog_(result);
}

bool Win32DialogWindow::ShowCharacterDetails() {
  if (mainDialog_ == nullptr) return false;
  if (!details_) {
    details_ = std::make_unique<CharacterDetailsDialog>(instance_, dialog_, Control(IDC_INPUT_EDIT), *mainDialog_);
  }
  return details_->Show();
}

void Win32DialogWindow::CharacterRowsChanged(std::size_t rowCount, const std::u16string& face) {
  if (details_) details_->ShowRows(rowCount, face, dpi_);
}

}  // namespace hexcribe::app::win32
