// The main dialog on Win32: template 102 with no parent, its message loop with the key filter,
// and the native messages mapped to the portable dialog's handlers.
#include "app/win32/main_window.h"

#include <commctrl.h>

#include "app/win32/arrow_keys.h"
#include "app/win32/dialog_init_data.h"
#include "app/win32/resource_language.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "res/resource.h"
#include "ui/input_limit.h"

namespace hexcribe::app::win32 {

MainWindow::MainWindow(HINSTANCE instance, ui::DialogServices& services)
    : instance_(instance),
      services_(services),
      // The icon answered to WM_QUERYDRAGICON and drawn when minimized; a
      // shared icon, released with the module.
      icon_(::LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

MainWindow::~MainWindow() { Destroy(); }

bool MainWindow::Create() {
  if (hwnd_ != nullptr) return true;
  // The manifest asks for version 6 of the common controls; this loads them
  // and registers their window classes, which the dialogs' controls use (the
  // list view: Character Details).
  static const bool controlsReady = [] {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    return ::InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)controlsReady;
  // The shared tables follow the language of the dialogs the loader is about to pick.
  UseLanguageOfResources(instance_);
  ended_ = false;
  result_ = -1;
  // No parent: the dialog is a top-level window of its own on the taskbar.
  const HWND hwnd = ::CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_CONVERTER_DIALOG), nullptr, DialogProc,
                                         reinterpret_cast<LPARAM>(this));
  return hwnd != nullptr;
}

int MainWindow::RunModal() {
  if (!Create()) return -1;
  MSG message{};
  while (!ended_ && hwnd_ != nullptr) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // WM_QUIT: end, and leave the quit request for whoever runs the outer loop.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    ProcessMessage(message);
  }
  Destroy();
  return result_;
}

void MainWindow::ProcessMessage(const MSG& message) {
  if (PreTranslateMessage(message)) return;
  if (MoveFocusWithinGroup(hwnd_, message)) return;
  // The modeless Character Details window gets its keyboard navigation too.
  const HWND details = window_ ? window_->detailsWindow() : nullptr;
  if (details != nullptr && ::IsDialogMessageW(details, const_cast<MSG*>(&message))) return;
  if (hwnd_ != nullptr && ::IsDialogMessageW(hwnd_, const_cast<MSG*>(&message))) return;
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

bool MainWindow::PreTranslateMessage(const MSG& message) const {
  if (message.message != WM_KEYDOWN || hwnd_ == nullptr) return false;
  if (message.hwnd != hwnd_ && !::IsChild(hwnd_, message.hwnd)) return false;
  return ui::MainDialog::PreTranslateKeyDown(static_cast<int>(message.wParam));
}

void MainWindow::End(int result) {
  result_ = result;
  ended_ = true;
}

void MainWindow::Destroy() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<MainWindow*>(lParam);
    ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    return self->OnInitDialog(hwnd) ? TRUE : FALSE;
  }
  auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  return self->HandleMessage(message, wParam, lParam);
}

bool MainWindow::OnInitDialog(HWND hwnd) {
  hwnd_ = hwnd;
  window_ = std::make_unique<Win32DialogWindow>(instance_, hwnd, [this](int result) { End(result); });
  dialog_ = std::make_unique<ui::MainDialog>(*window_, services_);
  window_->ConnectDialog(*dialog_);
  inputMenu_ = std::make_unique<InputBoxMenu>(::GetDlgItem(hwnd, IDC_INPUT_EDIT), *dialog_);
  // The box takes what the dialog restores and counts on. Windows starts an edit
  // control at this limit; Wine starts it at 30,000 units.
  ::SendDlgItemMessageW(hwnd, IDC_INPUT_EDIT, EM_SETLIMITTEXT, ui::kInputLimit, 0);
  // The template's initial data: the Separation list's four items.
  ApplyDialogInitData(hwnd, LoadDialogInitData(instance_, IDD_CONVERTER_DIALOG));
  return dialog_->OnInitDialog();
}

INT_PTR MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DPICHANGED:
      // The vertical resolution, which font heights follow.
      OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 0);
      return TRUE;
    case WM_SYSCOMMAND:
      if (dialog_ && dialog_->OnSysCommand(static_cast<unsigned>(wParam))) {
        ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 0);
        return TRUE;
      }
      return FALSE;
    case WM_PAINT:
      return PaintMinimized() ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
      // Answered directly: the dialog procedure's result is the message's.
      return reinterpret_cast<INT_PTR>(icon_);
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int notification = HIWORD(wParam);
      if (dialog_ && dialog_->OnCommand(id, notification)) return TRUE;
      // The close box and the window menu's Close arrive as IDCANCEL.
      if ((id == IDCANCEL || id == IDOK) && notification == BN_CLICKED) {
        End(id);
        return TRUE;
      }
      return FALSE;
    }
    case WM_DESTROY:
      if (dialog_) dialog_->OnDestroy();
      return FALSE;
    case WM_ENDSESSION:
      // The session ends and the process with it, no WM_DESTROY follows: save
      // now exactly as closing does (the later destruction, if any, saves no more).
      if (wParam != FALSE && dialog_) dialog_->OnDestroy();
      ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 0);
      return TRUE;
    case WM_NCDESTROY:
      // The window is gone: the loop ends with whatever result was set.
      ::SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
      hwnd_ = nullptr;
      ended_ = true;
      inputMenu_.reset();
      dialog_.reset();
      window_.reset();
      layout_.reset();
      return FALSE;
    default:
      return FALSE;
  }
}

void MainWindow::OnDpiChanged(int dpi, const RECT* suggested) {
  if (dpi <= 0 || !window_ || !dialog_) return;
  if (!layout_) layout_ = std::make_unique<DpiLayout>(hwnd_, res::MainDialogTemplate());
  layout_->Apply(dpi, IDC_INPUT_EDIT, suggested);
  window_->SetDpi(dpi);
  dialog_->OnDpiChanged();
}

bool MainWindow::PaintMinimized() {
  if (!::IsIconic(hwnd_)) return false;
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(hwnd_, &paint);
  ::SendMessageW(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  const ui::IconOrigin origin = ui::MinimizedIconOrigin(client.right - client.left, client.bottom - client.top,
                                                        ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
  ::DrawIcon(dc, origin.x, origin.y, icon_);
  ::EndPaint(hwnd_, &paint);
  return true;
}

}  // namespace hexcribe::app::win32
