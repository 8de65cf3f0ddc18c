// Stand-in for the dialog while it is being built: the same window title, tab
// order, geometry, key filter, copy button and saved text, so the input-method
// test can be developed against it.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextStream>

#include <string>

#include "core/command_builder.h"
#include "core/stored_text_codec.h"

namespace {

std::u16string ToU16(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<std::size_t>(text.size()));
}

class StandinDialog : public QDialog {
 public:
  StandinDialog() {
    setWindowTitle("Hexcribe v1.00");
    // Dialog units scaled as for an 8-point face at 96 dpi.
    auto place = [](QWidget* w, int x, int y, int cx, int cy) {
      w->setGeometry(x * 3 / 2, y * 13 / 8, cx * 3 / 2, cy * 13 / 8);
    };
    setFixedSize(288 * 3 / 2, 270 * 13 / 8);
    font_ = new QComboBox(this);
    font_->addItems({"Sans Serif", "Serif"});
    place(font_, 65, 43, 192, 14);
    result_ = new QPlainTextEdit(this);
    result_->setTabChangesFocus(true);
    place(result_, 6, 193, 274, 52);
    whole_ = new QCheckBox("Whole Command", this);
    whole_->setChecked(true);
    place(whole_, 6, 249, 66, 12);
    separation_ = new QComboBox(this);
    separation_->addItems({"Space", "No Space", "Comma", "Hyphen"});
    place(separation_, 121, 251, 55, 14);
    auto* copy = new QPushButton("Copy to Clipboard", this);
    place(copy, 180, 249, 61, 14);
    auto* close = new QPushButton("Close", this);
    place(close, 245, 249, 36, 14);
    input_ = new QPlainTextEdit(this);
    input_->setTabChangesFocus(true);
    place(input_, 7, 85, 274, 88);
    for (QPushButton* b : {copy, close}) b->setAutoDefault(false);
    connect(input_, &QPlainTextEdit::textChanged, this, [this] { Regenerate(); });
    connect(copy, &QPushButton::clicked, this, [this] {
      Regenerate();
      QGuiApplication::clipboard()->setText(result_->toPlainText());
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    qApp->installEventFilter(this);
    Regenerate();
    font_->setFocus();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) return true;
    }
    return QDialog::eventFilter(watched, event);
  }

  void done(int r) override {
    Save();
    QDialog::done(r);
  }

 private:
  void Regenerate() {
    const std::string command = hexcribe::BuildCommand(ToU16(input_->toPlainText()), 0, true);
    result_->setPlainText(QString::fromStdString(command));
  }

  void Save() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Hexcribe";
    QDir().mkpath(dir);
    QFile file(dir + "/setting.ini");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    const std::u16string stored = hexcribe::EncodeStoredText(ToU16(input_->toPlainText()));
    QTextStream out(&file);
    out << "[gen]\nmlang_text=" << QString::fromUtf16(stored.data(), static_cast<qsizetype>(stored.size())) << "\n";
  }

  QComboBox* font_;
  QPlainTextEdit* result_;
  QCheckBox* whole_;
  QComboBox* separation_;
  QPlainTextEdit* input_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  StandinDialog dialog;
  dialog.show();
  return app.exec();
}
