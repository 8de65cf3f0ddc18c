// Composition in the real window on the offscreen platform: text an input
// method is still composing (preedit) is not part of the input box's text and
// never reaches the command; only committed text does, exactly once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "recording_services.h"
#include "app/qt/main_window.h"
#include "ui/main_dialog.h"

namespace hexcribe::app::qt {
namespace {

// One input-method event: a preedit (possibly empty) and a commit string.
struct ImeStep {
  QString preedit;
  QString commit;
};

class PreeditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services.UseSystemDesktop();
    services.faces = {u"DejaVu Sans"};
    window.Attach(dialog);
    window.Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    input()->setFocus();
  }
  void TearDown() override { dialog.OnDestroy(); }

  QPlainTextEdit* input() { return static_cast<QPlainTextEdit*>(window.Control(ui::kInputBox)); }
  QString result() { return static_cast<QPlainTextEdit*>(window.Control(ui::kResultBox))->toPlainText(); }
  void Send(const ImeStep& step) {
    QList<QInputMethodEvent::Attribute> attributes;
    if (!step.preedit.isEmpty()) {
      attributes << QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, static_cast<int>(step.preedit.size()), 1);
    }
    QInputMethodEvent event(step.preedit, attributes);
    event.setCommitString(step.commit);
    QApplication::sendEvent(input(), &event);
  }

  test::RecordingServices services;
  MainWindow window;
  ui::MainDialog dialog{window, services};
};

// How a 2-set Hangul input method types "한글 ": every key updates the preedit;
// a jamo that starts a new syllable commits the previous one; space commits
// the last one and is inserted itself.
TEST_F(PreeditTest, OnlyCommittedSyllablesReachTheTextAndTheCommand) {
  struct Expect {
    ImeStep step;
    std::u16string text;
    QString command;
  };
  const std::vector<Expect> steps = {
      {{u"ㅎ"_qs, {}}, u"", "Print 'U::';"},
      {{u"하"_qs, {}}, u"", "Print 'U::';"},
      {{u"한"_qs, {}}, u"", "Print 'U::';"},
      {{u"ㄱ"_qs, u"한"_qs}, u"한", "Print 'U::5C D5';"},  // ㄴㄱ is no final pair: 한 ends
      {{u"그"_qs, {}}, u"한", "Print 'U::5C D5';"},
      {{u"글"_qs, {}}, u"한", "Print 'U::5C D5';"},
      {{{}, u"글 "_qs}, u"한글 ", "Print 'U::5C D5 00 AE 20 00';"},
  };
  for (const Expect& e : steps) {
    SCOPED_TRACE(e.step.preedit.toStdString() + " / " + e.step.commit.toStdString());
    Send(e.step);
    EXPECT_EQ(window.GetText(ui::kInputBox, 1024), e.text);
    EXPECT_EQ(result(), e.command);
  }
}

// An input method that gives up its composition (Escape in some engines,
// reset by the program) sends an empty preedit and no commit: nothing stays.
TEST_F(PreeditTest, AbandonedCompositionLeavesTextAndCommandAlone) {
  Send({{}, u"A"_qs});
  Send({u"ㅎ"_qs, {}});
  Send({{}, {}});
  EXPECT_EQ(window.GetText(ui::kInputBox, 1024), u"A");
  EXPECT_EQ(result(), "Print 'U::41 00';");
  EXPECT_EQ(input()->inputMethodQuery(Qt::ImSurroundingText).toString(), QStringLiteral("A"));
}

// Input methods commit the syllable being composed when the focus leaves the
// box; a copy button that did not take the focus on click would copy the
// command without it.
TEST_F(PreeditTest, CopyButtonTakesTheFocusOnClick) {
  EXPECT_TRUE(window.Control(ui::kCopyButton)->focusPolicy() & Qt::ClickFocus);
}

}  // namespace
}  // namespace hexcribe::app::qt
