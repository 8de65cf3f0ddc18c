// The toolkit's floor for the start-up benchmark: an empty Qt dialog of a given size.
// With --content it also shows what Hexcribe's window shows, in plain Qt widgets (a
// list of every font family, a 26-point text box in a chosen face, a second text box),
// which tells the toolkit's own cost of that content apart from Hexcribe's.
// With --label it shows one line of text, the floor of any window that draws text
// (the toolkit then loads its font configuration).
// Usage: bare_dialog WIDTH HEIGHT [--label | --content FACE TEXT]
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("bare dialog"));
  if (argc >= 3) dialog.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
  if (argc >= 4 && std::strcmp(argv[3], "--label") == 0) {
    auto* label = new QLabel(QStringLiteral("Font"), &dialog);
    label->move(10, 10);
  }
  if (argc >= 6 && std::strcmp(argv[3], "--content") == 0) {
    auto* faces = new QComboBox(&dialog);
    faces->addItems(QFontDatabase::families());
    faces->setGeometry(10, 10, 300, 24);
    auto* input = new QPlainTextEdit(&dialog);
    QFont font(QString::fromUtf8(argv[4]));
    font.setPointSize(26);
    input->setFont(font);
    input->setPlainText(QString::fromUtf8(argv[5]));
    input->setGeometry(10, 50, dialog.width() - 20, 150);
    auto* result = new QPlainTextEdit(&dialog);
    result->setPlainText(QStringLiteral("Print 'U::5C D5 6D AD 78 C7';"));
    result->setGeometry(10, 220, dialog.width() - 20, 80);
  }
  dialog.show();
  return app.exec();
}
