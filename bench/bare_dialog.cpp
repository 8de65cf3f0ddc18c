// The toolkit's floor for the start-up benchmark: an empty Qt dialog of a given size, nothing else.
// Usage: bare_dialog WIDTH HEIGHT
#include <QApplication>
#include <QDialog>

#include <cstdlib>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("bare dialog"));
  if (argc >= 3) dialog.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
  dialog.show();
  return app.exec();
}
