// The text box with the input limit: every way text comes in is cut to the room left.
#include "app/qt/limited_text_edit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "ui/input_limit.h"

namespace hexcribe::app::qt {
namespace {

std::u16string_view View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QString Head(const QString& text, std::size_t room) {
  return text.left(static_cast<qsizetype>(ui::HeadThatFits(View(text), room).size()));
}

// Longer unbroken runs switch the box to wrapping anywhere.
constexpr qsizetype kLongestWordThatWrapsAtBoundaries = 1000;

qsizetype LongestUnbrokenRun(const QString& text) {
  qsizetype longest = 0;
  qsizetype run = 0;
  for (const QChar ch : text) {
    run = ch.isSpace() ? 0 : run + 1;
    longest = std::max(longest, run);
  }
  return longest;
}

}  // namespace

LimitedTextEdit::LimitedTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
  connect(document(), &QTextDocument::contentsChanged, this, [this] {
    // Short texts cannot hold a long run: no scan.
    ChooseWrapMode(document()->characterCount() > kLongestWordThatWrapsAtBoundaries ? document()->toRawText()
                                                                                     : QString());
  });
}

void LimitedTextEdit::ChooseWrapMode(const QString& text) {
  const bool longRun = LongestUnbrokenRun(text) > kLongestWordThatWrapsAtBoundaries;
  const QTextOption::WrapMode mode = longRun ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
  if (wordWrapMode() != mode) setWordWrapMode(mode);
}

void LimitedTextEdit::SetWholeText(const QString& text) {
  // The wrap mode first: chosen once the text is in, it would lay the whole text out again (the
  // first time in the mode that is slow for a long run).
  if (text.size() > kLongestWordThatWrapsAtBoundaries) ChooseWrapMode(text);
  setPlainText(text);
}

void LimitedTextEdit::ApplyHiddenSize() {
  // Qt delivers a hidden widget's resize when it first shows. Delivered now as well, the box's
  // resize places the viewport and the viewport's lays the text out at its width, while the box
  // may still be empty, which costs nothing.
  QResizeEvent box(size(), QSize());
  QCoreApplication::sendEvent(this, &box);
  QResizeEvent view(viewport()->size(), QSize());
  QCoreApplication::sendEvent(viewport(), &view);
}

void LimitedTextEdit::resizeEvent(QResizeEvent* event) {
  // The base class lays the whole text out again whenever the event's width differs from its old
  // one, and the resizes a hidden box gets when it first shows have no old size: at a width the
  // text is laid out for already, that only repeats the work (one paragraph that fills the box
  // takes as long as the rest of the start-up). Here the viewport's width decides.
  const int width = viewport()->width();
  const QSize oldSize = width == laidOutWidth_ ? event->size() : QSize();
  laidOutWidth_ = width;
  QResizeEvent resize(event->size(), oldSize);
  QPlainTextEdit::resizeEvent(&resize);
}

std::size_t LimitedTextEdit::Units() const {
  // Constant time: the document's length counts each line break once and
  // ends in one closing separator; a line break is two units in the box.
  const QTextDocument* doc = document();
  return static_cast<std::size_t>(doc->characterCount() - 1) + static_cast<std::size_t>(doc->blockCount() - 1);
}

std::size_t LimitedTextEdit::Room() const {
  const std::size_t selected = ui::BoxUnits(View(textCursor().selectedText()));
  const std::size_t kept = Units() - std::min(selected, Units());
  return kept >= ui::kInputLimit ? 0 : ui::kInputLimit - kept;
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const bool inserts = !isReadOnly() && !text.isEmpty() && text.front() >= QChar(0x20) && text.front() != QChar(0x7F);
  if (inserts && Head(text, Room()).size() < text.size()) {
    // A full box refuses the character as a whole, as the Windows control does.
    QApplication::beep();
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  if (isReadOnly() || commit.isEmpty()) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  const QString head = Head(commit, Room());
  if (head.size() == commit.size()) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  QApplication::beep();
  QInputMethodEvent cut(event->preeditString(), event->attributes());
  cut.setCommitString(head, event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&cut);
  event->accept();
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source) {
  if (isReadOnly() || source == nullptr || !source->hasText()) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  InsertWithinLimit(source->text());
}

void LimitedTextEdit::InsertWithinLimit(const QString& text) {
  // Cut before inserting: laying out megabytes first would stall the window.
  const QString head = Head(text, Room());
  if (head.size() < text.size()) QApplication::beep();
  // The box will hold the long run: wrapping anywhere before it goes in lays it out once.
  if (wordWrapMode() != QTextOption::WrapAnywhere && LongestUnbrokenRun(head) > kLongestWordThatWrapsAtBoundaries) {
    setWordWrapMode(QTextOption::WrapAnywhere);
  }
  if (!head.isEmpty()) insertPlainText(head);
}

}  // namespace hexcribe::app::qt
