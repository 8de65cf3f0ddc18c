// The main dialog on Win32: template 102 with no parent, its message loop with the key filter,
// and the native messages mapped to the portable dialog's handlers.
#pragma once

#include "platform/win32/windows_api.h"

#include <memory>

#include "app/win32/dpi_layout.h"
#include "app/win32/input_box_menu.h"
#include "app/win32/win32_dialog_window.h"
#include "ui/dialog_services.h"
#include "ui/main_dialog.h"

namespace hexcribe::app::win32 {

class MainWindow {
 public:
  MainWindow(HINSTANCE instance, ui::DialogServices& services);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the dialog window (running the start-up sequence); false when it
  // could not be created.
  bool Create();
  // Runs the dialog's loop until the dialog ends, then destroys the window
  // (which saves the settings). Gives the result: IDOK ("Close"), IDCANCEL
  // (close box, window menu), or -1 when the window could not be created.
  int RunModal();

  // One message of the loop: the key filter, then the dialog's keyboard
  // navigation (arrow keys passing over labels), then normal dispatch. Public so tests can pump
  // the same way.
  void ProcessMessage(const MSG& message);
  // The key filter: true for a key press of Enter or Escape for the dialog or
  // any of its controls, which is then dropped before any control sees it.
  bool PreTranslateMessage(const MSG& message) const;

  HWND hwnd() const { return hwnd_; }
  // The input box's context menu, while the window exists.
  InputBoxMenu* inputMenu() const { return inputMenu_.get(); }
  // The Character Details window, once opened and while it exists.
  HWND detailsWindow() const { return window_ ? window_->detailsWindow() : nullptr; }
  bool ended() const { return ended_; }
  int result() const { return result_; }
  // Ends the loop with result (what the portable dialog's EndDialog does).
  void End(int result);
  // Destroys the window now, if it still exists (runs the shutdown sequence).
  void Destroy();

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool OnInitDialog(HWND hwnd);
  bool PaintMinimized();
  // WM_DPICHANGED: the suggested rectangle, the dialog font and layout and the
  // display font, all for the new resolution.
  void OnDpiChanged(int dpi, const RECT* suggested);

  HINSTANCE instance_;
  ui::DialogServices& services_;
  HICON icon_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<Win32DialogWindow> window_;
  std::unique_ptr<ui::MainDialog> dialog_;
  std::unique_ptr<InputBoxMenu> inputMenu_;
  std::unique_ptr<DpiLayout> layout_;
  bool ended_ = false;
  int result_ = -1;
};

}  // namespace hexcribe::app::win32
