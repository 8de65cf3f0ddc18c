// Hexcribe on Linux: the application starts, runs the main dialog modally and ends when it closes.
#include <QApplication>
#include <csignal>
#include <cstdlib>

#include "app/qt/main_window.h"
#include "app/qt/session_end.h"
#include "app/qt/ui_language.h"
#include "ui/dialog_services.h"
#include "ui/main_dialog.h"

namespace {

// The running dialog, for a save when the program is made to exit without
// returning through main (the X connection dropped: the platform calls exit()).
hexcribe::ui::MainDialog* runningDialog = nullptr;

void SaveAtExit() {
  if (runningDialog != nullptr) runningDialog->OnDestroy();  // saves once, however often called
}

}  // namespace

int main(int argc, char** argv) {
  // Past a file-size limit a write must fail (and the settings save with it),
  // not end the program and lose the session's other state.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Hexcribe"));
  QApplication::setDesktopFileName(QStringLiteral("hexcribe"));
  // Before any window is built: the windows' texts, fonts and geometry follow the language.
  const auto toolkitTranslation = hexcribe::app::qt::UseEnvironmentLanguage();
  hexcribe::app::qt::MainWindow window;
  hexcribe::ui::MainDialog dialog(window, hexcribe::ui::SystemServices());
  window.Attach(dialog);
  // The end of the session (signals, the session manager) saves as closing does.
  const hexcribe::app::qt::SessionEndWatcher sessionEnd([&window] { window.EndSession(); });
  runningDialog = &dialog;
  std::atexit(SaveAtExit);
  window.Run();  // the dialog's result does not matter
  runningDialog = nullptr;
  return 0;
}
