// The Qt main window on the offscreen platform: native events reach the
// portable handlers, results show, the clipboard holds the command, Enter and
// Escape are swallowed, the layout follows the dialog units.
#include "app/qt/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QFontDatabase>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QStyleOptionHeader>
#include <QTreeView>
#include <csignal>
#include <cmath>
#include <iostream>
#include <map>

#include "fonts/face_list.h"
#include "recording_services.h"
#include "dialog_cases.h"
#include "platform/platform.h"
#include "app/qt/about_box.h"
#include "app/qt/character_details_window.h"
#include "app/qt/dialog_units.h"
#include "app/qt/limited_text_edit.h"
#include "app/qt/session_end.h"
#include "core/command_builder.h"
#include "ui/input_limit.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "ui/main_dialog.h"

namespace hexcribe::app::qt {
namespace {

// The recording services with the system's clipboard and glyph maps, and this suite's faces.
struct Services : test::RecordingServices {
  Services() {
    UseSystemDesktop();
    faces = {u"DejaVu Sans", u"DejaVu Serif", u"NanumGothic"};
  }
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.Attach(dialog);
    services.store[u"uni_font"] = u"DejaVu Serif";
    window.Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void TearDown() override { dialog.OnDestroy(); }

  QPlainTextEdit* Edit(int id) { return static_cast<QPlainTextEdit*>(window.Control(id)); }
  QComboBox* Combo(int id) { return static_cast<QComboBox*>(window.Control(id)); }
  QString Result() { return Edit(ui::kResultBox)->toPlainText(); }
  void Commit(QWidget* widget, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
  }

  Services services;
  MainWindow window;
  ui::MainDialog dialog{window, services};
};

TEST_F(MainWindowTest, StartsWithTitleDefaultsSavedFaceAndFocusOnTheFontList) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Hexcribe v1.00"));
  EXPECT_EQ(Combo(ui::kFontList)->currentText(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(Combo(ui::kSeparationList)->currentText(), QStringLiteral("Space"));
  EXPECT_TRUE(static_cast<QCheckBox*>(window.Control(ui::kWholeCommand))->isChecked());
  EXPECT_EQ(Result(), QStringLiteral("Print 'U::';"));
  EXPECT_EQ(QApplication::focusWidget(), window.Control(ui::kFontList));
  // Focused as if tabbed to, so the style draws the focus indication.
  EXPECT_TRUE(window.testAttribute(Qt::WA_KeyboardFocusChange));
  EXPECT_FALSE(Combo(ui::kFontList)->isEditable());
  EXPECT_EQ(Edit(ui::kInputBox)->font().pixelSize(), 35);  // 26 points at 96 dpi
  EXPECT_EQ(Edit(ui::kInputBox)->font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(MainWindowTest, TypedTextInAnyScriptShowsItsCommandAtOnce) {
  QPlainTextEdit* input = Edit(ui::kInputBox);
  input->setFocus();
  QTest::keyClicks(input, "A");
  EXPECT_EQ(Result(), QStringLiteral("Print 'U::41 00';"));
  QTest::sendKeyEvent(QTest::Click, input, Qt::Key_unknown, QStringLiteral("\uAC00"), Qt::NoModifier);  // 가
  EXPECT_EQ(Result(), QStringLiteral("Print 'U::41 00 00 AC';"));
  Commit(input, QStringLiteral("\U0001F600"));
  EXPECT_EQ(Result(), QStringLiteral("Print 'U::41 00 00 AC 3D D8 00 DE';"));
}

TEST_F(MainWindowTest, SeparatorAndCheckBoxChangedByKeyboardRegenerate) {
  Edit(ui::kInputBox)->setPlainText(QStringLiteral("A"));  // a user edit: notifies
  QComboBox* separation = Combo(ui::kSeparationList);
  separation->setFocus();
  QTest::keyClick(separation, Qt::Key_Down);
  EXPECT_EQ(Result(), QStringLiteral("Print 'U::4100';"));
  QTest::keyClick(separation, Qt::Key_End);
  EXPECT_EQ(Result(), QStringLiteral("Print 'U::41-00';"));
  QWidget* check = window.Control(ui::kWholeCommand);
  check->setFocus();
  QTest::keyClick(check, Qt::Key_Space);
  EXPECT_EQ(Result(), QStringLiteral("41-00"));
}

TEST_F(MainWindowTest, ChoosingAFaceChangesTheInputBoxFontOnly) {
  QComboBox* fonts = Combo(ui::kFontList);
  fonts->setFocus();
  QTest::keyClick(fonts, Qt::Key_Home);
  EXPECT_EQ(fonts->currentText(), QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(Edit(ui::kInputBox)->font().family(), QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(Edit(ui::kResultBox)->font(), window.built().font);
  EXPECT_EQ(Result(), QStringLiteral("Print 'U::';"));
}

TEST_F(MainWindowTest, EnterAndEscapeChangeNothingAnywhere) {
  Edit(ui::kInputBox)->setPlainText(QStringLiteral("A"));
  const QString before = Result();
  for (int id : {ui::kInputBox, ui::kResultBox, ui::kFontList, ui::kSeparationList, ui::kCopyButton,
                 ui::kCloseButton, ui::kWholeCommand}) {
    QWidget* control = window.Control(id);
    control->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
      QTest::keyClick(control, key);
      QTest::keyClick(control, key, Qt::ShiftModifier);
    }
    EXPECT_TRUE(window.isVisible()) << id;
    EXPECT_EQ(window.result(), 0) << id;
  }
  EXPECT_EQ(Edit(ui::kInputBox)->toPlainText(), QStringLiteral("A"));
  EXPECT_EQ(Result(), before);
  EXPECT_EQ(services.writes, 0);
}

TEST_F(MainWindowTest, CopyPutsTheRegeneratedCommandWithoutZeroOnTheClipboard) {
  Edit(ui::kInputBox)->setPlainText(QStringLiteral("A"));
  Edit(ui::kResultBox)->setPlainText(QStringLiteral("typed over"));
  QTest::mouseClick(window.Control(ui::kCopyButton), Qt::LeftButton);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), QStringLiteral("Print 'U::41 00';"));
  EXPECT_EQ(data->data(QStringLiteral("text/plain")), QByteArray("Print 'U::41 00';"));
  EXPECT_EQ(Result(), QStringLiteral("Print 'U::41 00';"));

  // An empty command empties the clipboard.
  Edit(ui::kInputBox)->clear();
  static_cast<QCheckBox*>(window.Control(ui::kWholeCommand))->click();
  QTest::mouseClick(window.Control(ui::kCopyButton), Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text(), QString());
}

TEST_F(MainWindowTest, StatusLineFollowsTextAndFaceFromTheFontsOwnMap) {
  for (const test::StatusLineCase& c : test::StatusLineCases()) {
    Combo(ui::kFontList)->setCurrentIndex(Combo(ui::kFontList)->findText(ToQString(c.face)));
    emit Combo(ui::kFontList)->activated(Combo(ui::kFontList)->currentIndex());
    Edit(ui::kInputBox)->setPlainText(ToQString(c.input));  // a user edit: notifies
    EXPECT_EQ(window.GetText(ui::kStatusLine, 0), c.status) << c.name;
  }
}

TEST_F(MainWindowTest, CharacterDetailsFollowTheTextInItsFaceAndAChosenRowSelectsItsCharacter) {
  dialog.ShowCharacterDetails();
  CharacterDetailsWindow* details = window.characterDetails();
  ASSERT_NE(details, nullptr);
  EXPECT_FALSE(details->isModal());
  const QAbstractItemModel* rows = details->list()->model();
  for (const test::CharacterDetailsCase& c : test::CharacterDetailsCases()) {
    Combo(ui::kFontList)->setCurrentIndex(Combo(ui::kFontList)->findText(ToQString(c.face)));
    emit Combo(ui::kFontList)->activated(Combo(ui::kFontList)->currentIndex());
    Combo(ui::kSeparationList)->setCurrentIndex(c.separation);
    emit Combo(ui::kSeparationList)->activated(c.separation);
    Edit(ui::kInputBox)->setPlainText(ToQString(c.input));  // a user edit: notifies
    ASSERT_EQ(static_cast<std::size_t>(rows->rowCount()), c.firstRow + c.rows.size()) << c.name;
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
      const auto cell = [&](int column) {
        return ToU16(rows->data(rows->index(static_cast<int>(c.firstRow + i), column)).toString());
      };
      EXPECT_EQ(test::JoinedRow(cell), c.rows[i]) << c.name;
    }
    const QModelIndex chosen = rows->index(static_cast<int>(c.chosen), 0);
    details->list()->scrollTo(chosen);
    QTest::mouseClick(details->list()->viewport(), Qt::LeftButton, {}, details->list()->visualRect(chosen).center());
    EXPECT_EQ(window.GetSelection(ui::kInputBox), c.selected) << c.name;
  }
  // The Character column draws in the chosen face alone: a character it lacks shows as its box.
  const QFont face = rows->data(rows->index(0, ui::kCharacterColumn), Qt::FontRole).value<QFont>();
  EXPECT_EQ(face.family(), QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(face.styleStrategy() & QFont::NoFontMerging, QFont::NoFontMerging);
}

TEST_F(MainWindowTest, InputBoxMenuComposesCharactersAsOneStepOfUndo) {
  QPlainTextEdit* input = Edit(ui::kInputBox);
  for (const test::ComposeCase& c : test::ComposeCases()) {
    input->setPlainText(ToQString(c.input));  // which clears the undo history
    window.SetSelection(ui::kInputBox, {c.cursor, c.cursor});
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), input->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(input->viewport(), &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList names;
    for (const QAction* action : menu->actions()) names << action->objectName();
    const qsizetype at = names.indexOf(QStringLiteral("compose-characters"));
    ASSERT_GE(at, 3) << c.name;
    EXPECT_EQ(names.mid(at - 3, 3), QStringList({QStringLiteral("edit-paste"), QStringLiteral("paste-command-as-text"),
                                                 QStringLiteral("character-details")}));
    QAction* compose = menu->actions()[at];
    EXPECT_EQ(compose->isEnabled(), c.enabled) << c.name;
    menu->close();
    if (compose->isEnabled()) compose->trigger();
    EXPECT_EQ(window.GetText(ui::kInputBox, 0), c.composed) << c.name;
    EXPECT_EQ(window.GetSelection(ui::kInputBox).end, c.composedCursor) << c.name;
    EXPECT_EQ(Result(), QString::fromStdString(BuildCommand(c.composed, Separator::kSpace, true))) << c.name;
    input->undo();
    EXPECT_EQ(window.GetText(ui::kInputBox, 0), c.input) << c.name;
  }
}

TEST_F(MainWindowTest, InputIsReadRawWithWindowsLineBreaks) {
  window.SetText(ui::kInputBox, u"a\u00A0b\r\nc");
  EXPECT_EQ(window.GetText(ui::kInputBox, 0), u"a\u00A0b\r\nc");
  EXPECT_EQ(window.GetText(ui::kInputBox, 4), u"a\u00A0b");
  EXPECT_EQ(Result(), QStringLiteral("Print 'U::';"));  // setting the text is no user edit
}

TEST_F(MainWindowTest, TabWalksTheTemplateOrderAndLeavesTheTextBoxes) {
  const int order[] = {ui::kResultBox,  ui::kWholeCommand, ui::kSeparationList, ui::kCopyButton,
                       ui::kCloseButton, ui::kInputBox,    ui::kFontList};
  for (int id : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.Control(id)) << id;
  }
  EXPECT_EQ(Edit(ui::kInputBox)->toPlainText(), QString());
}

TEST_F(MainWindowTest, ControlsSitWhereTheDialogUnitsPutThem) {
  const res::DialogTemplate& main = res::MainDialogTemplate();
  const BaseUnits units = window.built().units;
  EXPECT_EQ(window.size(), DialogRectToQRect(units, 0, 0, main.width, main.height).size());
  for (const res::ControlTemplate& control : main.controls) {
    // The texts: a label in the row of a list moves to the list's baseline.
    if (control.controlClass == res::ControlClass::kStatic && !control.text.empty()) continue;
    const QRect expected = DialogRectToQRect(units, control.x, control.y, control.width, control.height);
    const QRect actual = window.Control(control.id)->geometry();
    EXPECT_EQ(actual.topLeft(), expected.topLeft()) << control.id;
    EXPECT_EQ(actual.width(), expected.width()) << control.id;
    if (control.controlClass != res::ControlClass::kComboBox) {
      EXPECT_EQ(actual.height(), expected.height()) << control.id;
    }
  }
}

TEST_F(MainWindowTest, EveryWayOfClosingEndsTheLoopAndSaves) {
  struct Way {
    const char* name;
    void (*close)(MainWindow&);
    int result;
  };
  const Way ways[] = {
      {"Close button", [](MainWindow& w) { QTest::mouseClick(w.Control(ui::kCloseButton), Qt::LeftButton); },
       QDialog::Accepted},
      {"close box / Alt+F4", [](MainWindow& w) { w.close(); }, QDialog::Rejected},
  };
  for (const Way& way : ways) {
    Services s;
    MainWindow w;
    ui::MainDialog d(w, s);
    w.Attach(d);
    QTimer::singleShot(0, &w, [&w, &way] {
      static_cast<QPlainTextEdit*>(w.Control(ui::kInputBox))->setPlainText(QStringLiteral("\uD55C"));
      way.close(w);
    });
    EXPECT_EQ(w.Run(), way.result) << way.name;
    EXPECT_EQ(s.store[u"mlang_text"], u"\uD55C") << way.name;
    EXPECT_EQ(s.store[u"uni_font"], u"") << way.name;  // no "Tahoma" here: the list stays without selection
    EXPECT_EQ(s.writes, 2) << way.name;
  }
}

TEST_F(MainWindowTest, AboutEntryOpensTheAboutBoxWhichEnterCloses) {
  bool shown = false;
  QTimer::singleShot(0, [&shown] {
    QWidget* box = QApplication::activeModalWidget();
    shown = box != nullptr && box->objectName() == QStringLiteral("aboutBox") &&
            box->windowTitle() == QStringLiteral("About Hexcribe");
    if (box) QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_TRUE(dialog.OnSysCommand(IDM_ABOUTBOX));
  EXPECT_TRUE(shown);
  EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, ContextMenusOfTheWindowAndTheTextBoxesOfferTheAboutEntry) {
  QWidget* targets[] = {&window, window.Control(ui::kInputBox), window.Control(ui::kResultBox)};
  for (QWidget* target : targets) {
    QWidget* receiver = target == &window ? target : static_cast<QPlainTextEdit*>(target)->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), receiver->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(receiver, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << target->objectName().toStdString();
    QAction* about = menu->actions().isEmpty() ? nullptr : menu->actions().back();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text(), QStringLiteral("&About Hexcribe..."));
    menu->close();
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
      QWidget* box = QApplication::activeModalWidget();
      shown = box != nullptr && box->objectName() == QStringLiteral("aboutBox");
      if (box) QTest::keyClick(box, Qt::Key_Escape);  // the About box keeps its usual keys
    });
    about->trigger();
    EXPECT_TRUE(shown);
  }
}

TEST_F(MainWindowTest, IsATopLevelWindowWhoseAboutBoxIsADialog) {
  EXPECT_EQ(window.windowType(), Qt::Window);
  EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  bool dialogType = false;
  QTimer::singleShot(0, [&dialogType] {
    QWidget* box = QApplication::activeModalWidget();
    dialogType = box != nullptr && box->windowType() == Qt::Dialog && box->parentWidget() != nullptr;
    if (box) QTest::keyClick(box, Qt::Key_Escape);
  });
  dialog.OnSysCommand(IDM_ABOUTBOX);
  EXPECT_TRUE(dialogType);
}

TEST_F(MainWindowTest, ContextMenuKeysOfferTheAboutEntryOnEveryControl) {
  struct Key {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  };
  const Key keys[] = {{"Shift+F10", Qt::Key_F10, Qt::ShiftModifier}, {"Menu", Qt::Key_Menu, Qt::NoModifier}};
  for (const Key& key : keys) {
    for (QWidget* control : window.built().tabStops) {
      control->setFocus(Qt::TabFocusReason);
      QTest::keyClick(QApplication::focusWidget(), key.key, key.modifiers);
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      const std::string where = std::string(key.name) + " on " + control->metaObject()->className();
      ASSERT_NE(menu, nullptr) << where;
      ASSERT_FALSE(menu->actions().isEmpty()) << where;
      EXPECT_EQ(menu->actions().back()->text(), QStringLiteral("&About Hexcribe...")) << where;
      menu->close();
    }
  }
  // The open Font list's popup answers for the list.
  QComboBox* fonts = Combo(ui::kFontList);
  fonts->showPopup();
  QTest::keyClick(fonts->view(), Qt::Key_F10, Qt::ShiftModifier);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(fonts->view()->isVisible());
  menu->close();
}

TEST_F(MainWindowTest, OpenListIsBoundedWhateverItsLength) {
  QComboBox* fonts = Combo(ui::kFontList);
  for (int i = 0; i < 500; ++i) fonts->addItem(QStringLiteral("Face %1").arg(i));
  fonts->showPopup();
  const int rowHeight = fonts->view()->sizeHintForRow(0);
  EXPECT_LE(fonts->view()->height(), (fonts->maxVisibleItems() + 1) * rowHeight);
  fonts->hidePopup();
}

TEST_F(MainWindowTest, InputIsCutAtTheLimitWithoutSplittingAPair) {
  auto* input = static_cast<LimitedTextEdit*>(Edit(ui::kInputBox));
  input->setFocus();
  const QString emoji = QStringLiteral("\U0001F600");
  struct Case {
    const char* name;
    QString before;  // already in the box
    QString pasted;
    QString tail;  // how the box ends afterwards
  };
  const Case cases[] = {
      {"2 MB on one line", QString(), QString(2'000'000, u'x'), QStringLiteral("xxx")},
      {"pair across the limit", QString(32'766, u'a'), emoji, QStringLiteral("a")},
      {"line break across the limit", QString(32'766, u'a'), QStringLiteral("\nb"), QStringLiteral("a")},
  };
  for (const Case& c : cases) {
    input->setPlainText(c.before);
    input->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(c.pasted);
    input->paste();
    EXPECT_LE(input->Units(), ui::kInputLimit) << c.name;
    EXPECT_GE(input->Units(), ui::kInputLimit - 1) << c.name;  // only a pair or a line break is dropped whole
    EXPECT_TRUE(input->toPlainText().endsWith(c.tail)) << c.name;
  }
  // A full box refuses typed characters and input-method commits; editing still works.
  input->setPlainText(QString(32'767, u'x'));
  input->moveCursor(QTextCursor::Start);
  QTest::keyClicks(input, "ab");
  Commit(input, QStringLiteral("\uD55C"));
  EXPECT_EQ(input->Units(), ui::kInputLimit);
  EXPECT_TRUE(input->toPlainText().startsWith(u'x'));
  QTest::keyClick(input, Qt::Key_Delete);
  QTest::keyClicks(input, "a");
  EXPECT_TRUE(input->toPlainText().startsWith(u'a'));
  EXPECT_EQ(Result().size(), QStringLiteral("Print 'U::").size() + 1023 * 6 - 1 + 2);
}

TEST_F(MainWindowTest, SessionEndSignalsSaveOnceAndEndTheRun) {
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    Services s;
    MainWindow w;
    ui::MainDialog d(w, s);
    w.Attach(d);
    SessionEndWatcher watcher([&w] { w.EndSession(); });
    QTimer::singleShot(0, &w, [&w, signal] {
      static_cast<QPlainTextEdit*>(w.Control(ui::kInputBox))->setPlainText(QStringLiteral("\uD55C"));
      // The About box is open when the session ends: it closes too.
      QTimer::singleShot(0, [signal] { std::raise(signal); });
      w.ShowAboutBox();
    });
    w.Run();
    EXPECT_EQ(s.store[u"mlang_text"], u"\uD55C") << signal;
    EXPECT_EQ(s.writes, 2) << signal;
  }
}

// Whether a control shows its text uncut, judged by the style's own content
// rectangles (not by the sizes the builder asked for). Empty when it does.
// `installedFaces` is a list filled from the system: only its shown item must fit.
std::string TextCut(const QWidget& widget, const QWidget* installedFaces) {
  const QFontMetrics metrics(widget.font());
  const QRect area = widget.rect();
  auto tooSmall = [](const char* what, int have, int need) {
    return have >= need ? std::string() : std::string(what) + " " + std::to_string(have) + " < " + std::to_string(need);
  };
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    if (label->text().isEmpty()) return {};
    const QRect bound = metrics.boundingRect(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
    return tooSmall("width", area.width(), bound.width()) + tooSmall("height", area.height(), bound.height());
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool check = qobject_cast<const QCheckBox*>(button) != nullptr;
    const QRect contents =
        button->style()->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option,
                                        button);
    return tooSmall("width", contents.width(), metrics.horizontalAdvance(button->text())) +
           tooSmall("height", contents.height(), metrics.height());
  }
  if (const auto* view = qobject_cast<const QTreeView*>(&widget)) {  // a list view: each column's header
    const QHeaderView* header = view->header();
    std::string cut;
    for (int i = 0; i < header->count(); ++i) {
      QStyleOptionHeader option;
      option.initFrom(header);
      option.section = i;
      option.text = view->model()->headerData(i, Qt::Horizontal).toString();
      const QSize text(QFontMetrics(header->font()).horizontalAdvance(option.text), metrics.height());
      const QSize need = header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, text, header);
      cut += tooSmall(("column " + std::to_string(i)).c_str(), header->sectionSize(i), need.width());
    }
    return cut;
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    int widest = metrics.horizontalAdvance(combo->currentText());
    // Fixed items must fit; the Font list's installed names are only as long as the list allows.
    if (combo != installedFaces) {
      for (int i = 0; i < combo->count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(combo->itemText(i)));
    }
    return tooSmall("width", field.width(), widest) + tooSmall("height", field.height(), metrics.height());
  }
  return {};
}

// Every control inside the window, none over another, each with room for its text.
void ExpectEveryTextFits(const QWidget& window, const QWidget* installedFaces) {
  const QList<QWidget*> controls = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  ASSERT_FALSE(controls.isEmpty());
  for (const QWidget* control : controls) {
    const std::string name = control->metaObject()->className() + std::string(" ") +
                             (qobject_cast<const QLabel*>(control) ? qobject_cast<const QLabel*>(control)->text()
                              : qobject_cast<const QAbstractButton*>(control)
                                  ? qobject_cast<const QAbstractButton*>(control)->text()
                                  : QString())
                                 .left(20)
                                 .toStdString();
    EXPECT_TRUE(window.rect().contains(control->geometry())) << name << " leaves the window";
    EXPECT_EQ(TextCut(*control, installedFaces), "") << name;
    for (const QWidget* other : controls) {
      if (other != control) {
        EXPECT_FALSE(control->geometry().intersects(other->geometry())) << name << " overlaps";
      }
    }
  }
}

// Run once per language, font set and scale (see CMakeLists.txt): whatever the fonts, nothing is
// cut. HEXCRIBE_FIT_SCALE scales the templates' point sizes as a higher dpi does.
TEST(FitCheck, EveryTextHasRoomInEveryWindow) {
  ASSERT_FALSE(QFontDatabase::families().isEmpty()) << "the font set is empty";
  const double scale = qEnvironmentVariable("HEXCRIBE_FIT_SCALE", QStringLiteral("1")).toDouble();
  ASSERT_GE(scale, 1.0);
  const std::string language = qEnvironmentVariable("HEXCRIBE_FIT_LANGUAGE", QStringLiteral("en")).toStdString();
  res::SetUiLanguage(res::FindTranslation(language));
  ASSERT_TRUE(language == "en" || res::UiLanguage() != nullptr) << language;
  Services services;
  services.faces = EnumerateFontFaces();
  MainWindow window;
  ui::MainDialog dialog(window, services);
  window.Attach(dialog);
  window.Start();
  const std::u16string longestStatus = test::LongestStatusLine();
  window.SetText(ui::kStatusLine, longestStatus);
  ExpectEveryTextFits(window, window.Control(ui::kFontList));

  for (const res::DialogTemplate* base :
       {&res::MainDialogTemplate(), &res::AboutBoxTemplate(), &res::CharacterDetailsTemplate()}) {
    res::DialogTemplate scaled = *base;
    scaled.pointSize = static_cast<int>(std::lround(base->pointSize * scale));
    QWidget widget;
    const BuiltDialog built = BuildDialog(widget, scaled);
    std::cout << language << " " << QString::fromUtf16(scaled.caption.data(), scaled.caption.size()).toStdString()
              << ": " << built.font.family().toStdString() << " " << built.font.pixelSize() << " px, units "
              << built.units.cx << "x" << built.units.cy << ", " << widget.width() << "x" << widget.height() << "\n";
    auto* fonts = qobject_cast<QComboBox*>(built.controls.count(ui::kFontList) ? built.controls.at(ui::kFontList) : nullptr);
    if (fonts != nullptr) {
      for (const std::u16string& face : services.faces) fonts->addItem(ToQString(face));
      fonts->setCurrentIndex(0);
    }
    if (built.controls.count(ui::kStatusLine)) {
      qobject_cast<QLabel*>(built.controls.at(ui::kStatusLine))->setText(ToQString(longestStatus));
    }
    ExpectEveryTextFits(widget, fonts);
    // A label in a drop-down list's row stands on the list's text baseline.
    for (const QLabel* label : widget.findChildren<QLabel*>()) {
      for (const QComboBox* combo : widget.findChildren<QComboBox*>()) {
        if (label->geometry().bottom() < combo->y() || combo->geometry().bottom() < label->y()) continue;
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        const QFontMetrics metrics(combo->font());
        const int comboBaseline = combo->y() + field.top() + (field.height() - metrics.height()) / 2 + metrics.ascent();
        EXPECT_NEAR(label->y() + QFontMetrics(label->font()).ascent(), comboBaseline, 1) << label->text().toStdString();
      }
    }
  }
  dialog.OnDestroy();
  res::SetUiLanguage(nullptr);
}

}  // namespace
}  // namespace hexcribe::app::qt
