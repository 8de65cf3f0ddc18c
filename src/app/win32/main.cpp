// Entry point of Hexcribe.exe: the main dialog, run modally until it closes; then the process ends.
#include "platform/win32/windows_api.h"

#include "app/win32/main_window.h"
#include "ui/dialog_services.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/) {
  hexcribe::app::win32::MainWindow window(instance, hexcribe::ui::SystemServices());
  window.RunModal();
  // The dialog's result does not matter: closing it in any way ends the program.
  return 0;
}
