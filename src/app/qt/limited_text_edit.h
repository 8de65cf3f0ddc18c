// A multi-line text box that keeps a Windows edit control's default length
// limit: typing, input-method commits and pastes beyond it are cut at the limit.
// It also keeps editing quick when the text holds one very long unbroken word.
#pragma once

#include <QPlainTextEdit>
#include <cstddef>

namespace hexcribe::app::qt {

class LimitedTextEdit final : public QPlainTextEdit {
 public:
  explicit LimitedTextEdit(QWidget* parent);

  // The units the box holds, each line break counted as CR LF.
  std::size_t Units() const;

  // Puts text in place of the selection as a paste does: cut to the room the
  // limit leaves (with a beep when cut), nothing when nothing fits.
  void InsertWithinLimit(const QString& text);

  // Replaces the whole text as setPlainText does, laying it out once.
  void SetWholeText(const QString& text);

  // Takes the size it was given while hidden at once, not at the window's first show: a text
  // set before then is laid out once, at the box's final width.
  void ApplyHiddenSize();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // Units an insertion may add in place of the current selection.
  std::size_t Room() const;
  // Wraps anywhere while the text holds a run without break opportunity
  // longer than a few lines: finding word boundaries in such a run costs time
  // quadratic in its length at every edit, and the run breaks anywhere anyway.
  void ChooseWrapMode(const QString& text);

  int laidOutWidth_ = -1;  // the viewport width the text was last laid out for
};

}  // namespace hexcribe::app::qt
