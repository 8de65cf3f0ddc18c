// The Qt main window: widgets from the template, the window interface, event forwarding.
#include "app/qt/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "fonts/prefix_search.h"
#include "app/qt/about_box.h"
#include "app/qt/character_details_window.h"
#include "app/qt/key_filter.h"
#include "app/qt/limited_text_edit.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"

namespace hexcribe::app::qt {
namespace {

// The text of a multi-line box as a Windows edit control reports it: raw
// (no-break spaces kept) with each line break as CR LF.
std::u16string EditText(const QPlainTextEdit& edit) {
  const QString raw = edit.document()->toRawText();
  std::u16string text;
  text.reserve(static_cast<std::size_t>(raw.size()));
  for (QChar ch : raw) {
    if (ch == QChar::ParagraphSeparator) {
      text += u"\r\n";
    } else {
      text += static_cast<char16_t>(ch.unicode());
    }
  }
  return text;
}

// A line break is one position in the box's document and two units (CR LF) in its text: the
// position of a unit of the text, and the units before a position.
qsizetype PositionOfUnit(const QString& raw, std::size_t unit) {
  std::size_t units = 0;
  qsizetype position = 0;
  for (; position < raw.size() && units < unit; ++position) {
    units += raw[position] == QChar::ParagraphSeparator ? 2 : 1;
  }
  return position;
}

std::size_t UnitsBefore(const QString& raw, qsizetype position) {
  std::size_t units = 0;
  for (qsizetype i = 0; i < std::min(position, raw.size()); ++i) units += raw[i] == QChar::ParagraphSeparator ? 2 : 1;
  return units;
}

}  // namespace

MainWindow::MainWindow()
    // A normal top-level window (not a dialog type), so taskbars, docks and
    // the window switcher list it; the About box is the dialog.
    : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint) {
  const res::DialogTemplate& main = res::MainDialogTemplate();
  setObjectName(QStringLiteral("mainDialog"));
  setWindowTitle(ToQString(main.caption));
  built_ = BuildDialog(*this, main);
  keyFilter_ = std::make_unique<KeyFilter>(*this, [this](QWidget* widget) { ShowKeyboardContextMenu(widget); });
  qApp->installEventFilter(keyFilter_.get());
  for (int id : {ui::kInputBox, ui::kResultBox}) {
    QPlainTextEdit* edit = Edit(id);
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QWidget::customContextMenuRequested, this,
            [this, edit](const QPoint& position) { ShowEditMenu(edit, position); });
  }
}

MainWindow::~MainWindow() {
  if (keyFilter_) qApp->removeEventFilter(keyFilter_.get());
  details_.reset();  // before the widgets it stands beside
}

QWidget* MainWindow::Control(int id) const {
  auto it = built_.controls.find(id);
  return it == built_.controls.end() ? nullptr : it->second;
}
QComboBox* MainWindow::Combo(int id) const { return qobject_cast<QComboBox*>(Control(id)); }
QPlainTextEdit* MainWindow::Edit(int id) const { return qobject_cast<QPlainTextEdit*>(Control(id)); }
QCheckBox* MainWindow::CheckBox(int id) const { return qobject_cast<QCheckBox*>(Control(id)); }

void MainWindow::Attach(ui::MainDialog& dialog) {
  dialog_ = &dialog;
  auto command = [this](int id, int notification) {
    return [this, id, notification] { dialog_->OnCommand(id, notification); };
  };
  // Only the user's actions notify, as the Windows controls do: "activated"
  // and "clicked" are not emitted for changes the program makes itself.
  for (int id : {ui::kFontList, ui::kSeparationList}) {
    connect(Combo(id), &QComboBox::activated, this, command(id, ui::kSelectionChange));
  }
  connect(CheckBox(ui::kWholeCommand), &QCheckBox::clicked, this, command(ui::kWholeCommand, ui::kButtonClicked));
  for (int id : {ui::kCopyButton, ui::kCloseButton}) {
    connect(qobject_cast<QPushButton*>(Control(id)), &QPushButton::clicked, this, command(id, ui::kButtonClicked));
  }
  for (int id : {ui::kInputBox, ui::kResultBox}) {
    connect(Edit(id), &QPlainTextEdit::textChanged, this, command(id, ui::kEditChange));
  }
}

void MainWindow::Start() {
  const bool platformSetsFocus = dialog_->OnInitDialog();
  show();
  // The first control gets the focus as if tabbed to, so the style draws its
  // focus indication: typing at once changes that control, and shows where.
  setAttribute(Qt::WA_KeyboardFocusChange);
  if (platformSetsFocus && !built_.tabStops.empty()) built_.tabStops.front()->setFocus(Qt::TabFocusReason);
  raise();
  activateWindow();
}

int MainWindow::Run() {
  Start();
  const int result = exec();
  if (details_) details_->hide();
  closing_ = true;
  dialog_->OnDestroy();
  return result;
}

void MainWindow::EndSession() {
  while (QWidget* popup = QApplication::activePopupWidget()) {
    if (!popup->close()) break;
  }
  while (QWidget* modal = QApplication::activeModalWidget()) {
    if (modal == this) break;
    if (auto* box = qobject_cast<QDialog*>(modal)) {
      box->reject();
    } else if (!modal->close()) {
      break;
    }
  }
  done(QDialog::Rejected);
}

std::u16string MainWindow::GetText(int id, std::size_t capacity) const {
  std::u16string text;
  if (const QPlainTextEdit* edit = Edit(id)) {
    text = EditText(*edit);
  } else if (const QComboBox* combo = Combo(id)) {
    if (combo->currentIndex() >= 0) text = ToU16(combo->currentText());
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(Control(id))) {
    text = ToU16(button->text());
  } else if (const auto* label = qobject_cast<const QLabel*>(Control(id))) {
    text = ToU16(label->text());
  }
  if (capacity > 0 && text.size() > capacity - 1) text.resize(capacity - 1);
  return text;
}

void MainWindow::SetText(int id, const std::u16string& text) {
  if (auto* edit = dynamic_cast<LimitedTextEdit*>(Edit(id))) {
    // Setting a box's text is no user edit: it raises no change notification.
    const QSignalBlocker blocker(edit);
    edit->SetWholeText(ToQString(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(Control(id))) {
    button->setText(ToQString(text));
  } else if (auto* label = qobject_cast<QLabel*>(Control(id))) {
    label->setText(ToQString(text));  // plain text, as the template builder made it
  }
}

void MainWindow::ReplaceSelection(int id, const std::u16string& text) {
  auto* edit = dynamic_cast<LimitedTextEdit*>(Edit(id));
  if (edit == nullptr || edit->isReadOnly()) return;
  // The box makes a paragraph of each CR and each LF: a CR LF becomes one line break.
  QString lines = ToQString(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  edit->InsertWithinLimit(lines);
}

ui::TextSelection MainWindow::GetSelection(int id) const {
  const QPlainTextEdit* edit = Edit(id);
  if (edit == nullptr) return {};
  const QString raw = edit->document()->toRawText();
  const QTextCursor cursor = edit->textCursor();
  return {UnitsBefore(raw, cursor.selectionStart()), UnitsBefore(raw, cursor.selectionEnd())};
}

void MainWindow::SetSelection(int id, ui::TextSelection selection) {
  QPlainTextEdit* edit = Edit(id);
  if (edit == nullptr) return;
  const QString raw = edit->document()->toRawText();
  QTextCursor cursor = edit->textCursor();
  cursor.setPosition(static_cast<int>(PositionOfUnit(raw, selection.start)));
  cursor.setPosition(static_cast<int>(PositionOfUnit(raw, selection.end)), QTextCursor::KeepAnchor);
  edit->setTextCursor(cursor);
  edit->ensureCursorVisible();
}

void MainWindow::ReplaceText(int id, const std::u16string& text, std::size_t cursor) {
  QPlainTextEdit* edit = Edit(id);
  if (edit == nullptr || edit->isReadOnly()) return;
  QString lines = ToQString(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  // One edit block: one step of Undo takes the whole replacement back.
  QTextCursor all(edit->document());
  all.beginEditBlock();
  all.select(QTextCursor::Document);
  all.insertText(lines);
  all.endEditBlock();
  SetSelection(id, {cursor, cursor});
}

void MainWindow::SetTitle(const std::u16string& title) { setWindowTitle(ToQString(title)); }

int MainWindow::GetItemCount(int id) const {
  const QComboBox* combo = Combo(id);
  return combo ? combo->count() : 0;
}

void MainWindow::DeleteItem(int id, int index) {
  if (QComboBox* combo = Combo(id)) combo->removeItem(index);
}

void MainWindow::InsertItem(int id, int index, const std::u16string& text) {
  if (QComboBox* combo = Combo(id)) {
    combo->insertItem(index, ToQString(text));
    // Inserting into an empty list must not select the item.
    if (combo->count() == 1) combo->setCurrentIndex(-1);
  }
}

int MainWindow::GetCurSel(int id) const {
  const QComboBox* combo = Combo(id);
  return combo ? combo->currentIndex() : -1;
}

void MainWindow::SetCurSel(int id, int index) {
  if (QComboBox* combo = Combo(id)) combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

int MainWindow::SelectString(int id, int startIndex, const std::u16string& prefix) {
  QComboBox* combo = Combo(id);
  if (!combo) return -1;
  std::vector<std::u16string> items;
  items.reserve(static_cast<std::size_t>(combo->count()));
  for (int i = 0; i < combo->count(); ++i) items.push_back(ToU16(combo->itemText(i)));
  const int found = FindItemByPrefix(items, startIndex, prefix);
  if (found >= 0) combo->setCurrentIndex(found);
  return found;
}

int MainWindow::GetCheck(int id) const {
  const QCheckBox* check = CheckBox(id);
  if (!check) return 0;
  switch (check->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void MainWindow::SetCheck(int id, int state) {
  if (QCheckBox* check = CheckBox(id)) {
    check->setCheckState(state == 0 ? Qt::Unchecked : state == 1 ? Qt::Checked : Qt::PartiallyChecked);
  }
}

ui::FontHandle MainWindow::CreatePointFont(int tenthsOfPoint, const std::u16string& face) {
  return fonts_.Create(tenthsOfPoint, face);
}

void MainWindow::DestroyFont(ui::FontHandle font) {
  // A control still showing the font falls back to the dialog font.
  for (auto it = controlFonts_.begin(); it != controlFonts_.end();) {
    if (it->second == font) {
      if (QWidget* widget = Control(it->first); widget != nullptr && !closing_) widget->setFont(built_.font);
      it = controlFonts_.erase(it);
    } else {
      ++it;
    }
  }
  fonts_.Destroy(font);
}

void MainWindow::SetControlFont(int id, ui::FontHandle font) {
  QWidget* widget = Control(id);
  if (!widget) return;
  const QFont* qfont = fonts_.Find(font);
  if (qfont == nullptr) {
    // A widget holds its own copy of its font, so a closed window's box keeps the display font:
    // handing it the dialog font would lay its whole text out again just before it goes away.
    if (!closing_) widget->setFont(built_.font);
    controlFonts_.erase(id);
    return;
  }
  widget->setFont(*qfont);
  controlFonts_[id] = font;
}

bool MainWindow::AddAboutMenuEntry(int commandId, const std::u16string& text) {
  aboutCommand_ = commandId;
  aboutText_ = ToQString(text);
  return true;
}

void MainWindow::SetIcon(int iconId, bool) {
  if (iconId == IDR_MAINFRAME) setWindowIcon(ProgramIcon());
}

void MainWindow::ShowAboutBox() { qt::ShowAboutBox(this); }

void MainWindow::EndDialog(int result) { done(result); }

bool MainWindow::ShowCharacterDetails() {
  if (dialog_ == nullptr) return false;
  if (!details_) {
    details_ = std::make_unique<CharacterDetailsWindow>(*this, *dialog_, [this] {
      activateWindow();
      Edit(ui::kInputBox)->setFocus(Qt::OtherFocusReason);
    });
  }
  details_->ShowBesideOwner();
  return true;
}

void MainWindow::CharacterRowsChanged(std::size_t rowCount, const std::u16string& face) {
  if (details_) details_->ShowRows(rowCount, face);
}

void MainWindow::CloseCharacterDetails() { details_.reset(); }

void MainWindow::AddAboutEntry(QMenu& menu) {
  if (aboutText_.isEmpty()) return;
  QAction* about = menu.addAction(aboutText_);
  const int command = aboutCommand_;
  connect(about, &QAction::triggered, this, [this, command] {
    if (dialog_) dialog_->OnSysCommand(static_cast<unsigned>(command));
  });
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (aboutText_.isEmpty()) return;
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  AddAboutEntry(*menu);
  menu->popup(event->globalPos());
}

void MainWindow::ShowKeyboardContextMenu(QWidget* widget) {
  // A key in an open drop-down list's popup: close it and answer for the list.
  if (auto* combo = qobject_cast<QComboBox*>(widget->window()->parentWidget()); combo && widget->window() != this) {
    combo->hidePopup();
    widget = combo;
  }
  for (int id : {ui::kInputBox, ui::kResultBox}) {
    QPlainTextEdit* edit = Edit(id);
    if (widget == edit || widget == edit->viewport()) {
      ShowEditMenu(edit, edit->cursorRect().bottomLeft());
      return;
    }
  }
  if (aboutText_.isEmpty()) return;
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  AddAboutEntry(*menu);
  const QRect area = widget->rect();
  menu->popup(widget->mapToGlobal(QPoint(area.left() + area.width() / 2, area.top() + area.height() / 2)));
}

QAction* MainWindow::MakeInputBoxEntry(QMenu& menu, int textId, const char* name, bool enabled) {
  auto* item = new QAction(ToQString(res::LoadResourceString(textId)), &menu);
  item->setObjectName(QString::fromLatin1(name));
  item->setEnabled(enabled);
  return item;
}

void MainWindow::AddInputBoxEntries(QMenu& menu, const QPlainTextEdit& edit) {
  if (dialog_ == nullptr) return;
  const bool editable = !edit.isReadOnly();
  QAction* const paste = MakeInputBoxEntry(menu, IDS_PASTE_COMMAND_AS_TEXT, "paste-command-as-text",
                                          editable && dialog_->CanPasteCommandAsText());
  connect(paste, &QAction::triggered, this, [this] {
    if (dialog_) dialog_->PasteCommandAsText();
  });
  QAction* const details = MakeInputBoxEntry(menu, IDS_CHARACTER_DETAILS, "character-details", true);
  connect(details, &QAction::triggered, this, [this] {
    if (dialog_) dialog_->ShowCharacterDetails();
  });
  QAction* const compose = MakeInputBoxEntry(menu, IDS_COMPOSE_CHARACTERS, "compose-characters",
                                            editable && dialog_->CanComposeCharacters());
  connect(compose, &QAction::triggered, this, [this] {
    if (dialog_) dialog_->ComposeCharacters();
  });
  // Right after Paste (Qt names its standard entries), or last should the style have none.
  QAction* before = nullptr;
  const QList<QAction*> actions = menu.actions();
  for (qsizetype i = 0; i + 1 < actions.size(); ++i) {
    if (actions[i]->objectName() == QStringLiteral("edit-paste")) before = actions[i + 1];
  }
  for (QAction* item : {paste, details, compose}) menu.insertAction(before, item);
}

void MainWindow::ShowEditMenu(QPlainTextEdit* edit, const QPoint& position) {
  QMenu* menu = edit->createStandardContextMenu(position);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (edit == Edit(ui::kInputBox)) AddInputBoxEntries(*menu, *edit);
  if (!aboutText_.isEmpty()) {
    menu->addSeparator();
    AddAboutEntry(*menu);
  }
  menu->popup(edit->viewport()->mapToGlobal(position));
}

}  // namespace hexcribe::app::qt
