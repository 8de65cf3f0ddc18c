// Hexcribe on Linux: the application starts, runs the main dialog modally and ends when it closes.
#include <QApplication>
#include <csignal>

#include "platform/qt/frontend/main_window.h"
#include "ui/dialog_services.h"
#include "ui/main_dialog.h"

int main(int argc, char** argv) {
  // Past a file-size limit a write must fail (and the settings save with it),
  // not end the program and lose the session's other state.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Hexcribe"));
  QApplication::setDesktopFileName(QStringLiteral("hexcribe"));
  hexcribe::platform::qt::MainWindow window;
  hexcribe::ui::MainDialog dialog(window, hexcribe::ui::SystemServices());
  window.Attach(dialog);
  window.Run();  // the dialog's result does not matter
  return 0;
}
