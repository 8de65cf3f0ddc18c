// Time from a keystroke in the input box to the painted window, with the box
// full of one 32,767-unit line and with 1023 units of Hangul at 26 points
// (goal: 16 ms each), the command and the status line (counts and the face's
// glyph checks) brought up to date each time; and with 1023 units of mixed
// text while Character Details is open and painted too (goal: 8 ms). Runs on
// the offscreen platform unless another is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <map>
#include <optional>

#include "app/qt/character_details_window.h"
#include "app/qt/main_window.h"
#include "sample_text.h"
#include "platform/platform.h"
#include "ui/dialog_services.h"
#include "ui/main_dialog.h"

namespace {

// Settings in memory; nothing reaches the disk or the clipboard.
class MemoryServices final : public hexcribe::ui::DialogServices {
 public:
  explicit MemoryServices(std::u16string face) : face_(std::move(face)) {}
  void CreateSettingsFolder() override {}
  std::u16string SettingsFilePath() override { return u"/nowhere/setting.ini"; }
  std::u16string ReadProfileValue(const std::u16string&, const std::u16string& key, const std::u16string& defaultValue,
                                  std::size_t, hexcribe::StoredForm, const std::u16string&) override {
    return key == hexcribe::ui::kFaceKey ? face_ : defaultValue;
  }
  bool WriteProfileValue(const std::u16string&, const std::u16string&, const std::u16string&, hexcribe::StoredForm,
                         const std::u16string&) override {
    return true;
  }
  std::u16string TitleText() override { return u"Hexcribe v1.00"; }
  std::vector<std::u16string> FontFaces() override { return {face_}; }
  std::u16string CanonicalFaceName(const std::u16string& name) override { return name; }
  std::optional<hexcribe::CodePointSet> FaceGlyphCoverage(const std::u16string& face) override {
    return hexcribe::platform::FaceGlyphCoverage(face);
  }
  std::string ToClipboardBytes(std::u16string_view) override { return {}; }
  bool PutTextOnClipboard(std::string_view) override { return true; }

 private:
  std::u16string face_;
};

// The window with `text` in its input box, the cursor at the start.
struct Window {
  explicit Window(const QString& text, std::u16string face) : services(std::move(face)) {
    window.Attach(dialog);
    window.Start();
    input = static_cast<QPlainTextEdit*>(window.Control(hexcribe::ui::kInputBox));
    input->setFocus();
    input->setPlainText(text);
    input->moveCursor(QTextCursor::Start);
    window.repaint();
  }
  ~Window() { dialog.OnDestroy(); }

  MemoryServices services;
  hexcribe::app::qt::MainWindow window;
  hexcribe::ui::MainDialog dialog{window, services};
  QPlainTextEdit* input = nullptr;
};

void Press(QWidget* target, Qt::Key key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &release);
}

// Paints the main window and, when open, Character Details.
void Paint(Window& w) {
  w.window.repaint();
  if (auto* details = w.window.characterDetails()) details->repaint();
}

// One keystroke typed at the start and painted; the character is taken back untimed.
void TypeAndPaint(benchmark::State& state, Window& w, bool inputMethod) {
  for (auto _ : state) {
    if (inputMethod) {
      QInputMethodEvent commit;
      commit.setCommitString(QStringLiteral("\uD55C"));
      QApplication::sendEvent(w.input, &commit);
    } else {
      Press(w.input, Qt::Key_A, QStringLiteral("a"));
    }
    Paint(w);
    state.PauseTiming();
    Press(w.input, Qt::Key_Backspace, QString());
    Paint(w);
    state.ResumeTiming();
  }
}

// One line of 32,766 units: one unbroken word (arg 0) or words of five letters (arg 1).
void BM_KeystrokeInA32767UnitLine(benchmark::State& state) {
  QString line;
  if (state.range(0) == 0) {
    line = QString(32'766, u'x');
  } else {
    while (line.size() < 32'766) line += QStringLiteral("word ");
    line.truncate(32'766);
  }
  Window w(line, u"DejaVu Sans");
  TypeAndPaint(state, w, false);
}
BENCHMARK(BM_KeystrokeInA32767UnitLine)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_KeystrokeIn1023UnitsOfHangulAt26Points(benchmark::State& state) {
  Window w(QString(1022, QChar(0xD55C)), u"NanumGothic");
  TypeAndPaint(state, w, true);
}
BENCHMARK(BM_KeystrokeIn1023UnitsOfHangulAt26Points)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Latin, Hangul, CJK, emoji and line breaks, with a decomposed accent and a zero-width space: every
// row of Character Details has something to say.
void BM_KeystrokeIn1023UnitsOfMixedTextWithCharacterDetailsOpen(benchmark::State& state) {
  std::u16string text = u"e\u0301\u200B" + hexcribe::bench::MakeMixedText(1019);
  Window w(QString::fromStdU16String(text), u"DejaVu Sans");
  w.dialog.ShowCharacterDetails();
  w.input->activateWindow();
  w.input->setFocus();
  TypeAndPaint(state, w, false);
}
BENCHMARK(BM_KeystrokeIn1023UnitsOfMixedTextWithCharacterDetailsOpen)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
