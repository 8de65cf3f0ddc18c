// The main dialog's controls as the portable dialog sees them, on a real Win32 dialog window.
#pragma once

#include "platform/win32/windows_api.h"

#include <functional>
#include <memory>
#include <string>

#include "app/win32/character_details_dialog.h"
#include "ui/dialog_window.h"
#include "ui/main_dialog.h"

namespace hexcribe::app::win32 {

class Win32DialogWindow final : public ui::DialogWindow {
 public:
  // dialog: the dialog window; endDialog: what ends its modal loop.
  Win32DialogWindow(HINSTANCE instance, HWND dialog, std::function<void(int)> endDialog);

  std::u16string GetText(int id, std::size_t capacity) const override;
  void SetText(int id, const std::u16string& text) override;
  void ReplaceSelection(int id, const std::u16string& text) override;
  ui::TextSelection GetSelection(int id) const override;
  void SetSelection(int id, ui::TextSelection selection) override;
  void ReplaceText(int id, const std::u16string& text, std::size_t cursor) override;
  void SetTitle(const std::u16string& title) override;

  int GetItemCount(int id) const override;
  void DeleteItem(int id, int index) override;
  void InsertItem(int id, int index, const std::u16string& text) override;
  int GetCurSel(int id) const override;
  void SetCurSel(int id, int index) override;
  int SelectString(int id, int startIndex, const std::u16string& prefix) override;

  int GetCheck(int id) const override;
  void SetCheck(int id, int state) override;

  ui::FontHandle CreatePointFont(int tenthsOfPoint, const std::u16string& face) override;
  void DestroyFont(ui::FontHandle font) override;
  void SetControlFont(int id, ui::FontHandle font) override;

  bool AddAboutMenuEntry(int commandId, const std::u16string& text) override;
  void SetIcon(int iconId, bool big) override;
  void ShowAboutBox() override;
  void EndDialog(int result) override;
  bool ShowCharacterDetails() override;
  void CharacterRowsChanged(std::size_t rowCount, const std::u16string& face) override;
  void CloseCharacterDetails() override { details_.reset(); }

  // The portable dialog the Character Details window reads its rows from and reports to.
  void ConnectDialog(ui::MainDialog& dialog) { mainDialog_ = &dialog; }
  // The Character Details window, once it has been opened (nullptr before, and once it is gone).
  HWND detailsWindow() const { return details_ ? details_->hwnd() : nullptr; }

  // The resolution display fonts are made for: the window's own at first,
  // then the one a move to another monitor reports.
  void SetDpi(int dpi) { dpi_ = dpi; }
  int dpi() const { return dpi_; }

 private:
  HWND Control(int id) const { return ::GetDlgItem(dialog_, id); }
  LRESULT Send(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendDlgItemMessageW(dialog_, id, message, wParam, lParam);
  }

  HINSTANCE instance_;
  HWND dialog_;
  std::function<void(int)> endDialog_;
  int dpi_;
  ui::MainDialog* mainDialog_ = nullptr;
  std::unique_ptr<CharacterDetailsDialog> details_;
};

}  // namespace hexcribe::app::win32
