// A multi-line text box that keeps a Windows edit control's default length
// limit: typing, input-method commits and pastes beyond it are cut at the limit.
#pragma once

#include <QPlainTextEdit>
#include <cstddef>

namespace hexcribe::platform::qt {

class LimitedTextEdit final : public QPlainTextEdit {
 public:
  explicit LimitedTextEdit(QWidget* parent);

  // The units the box holds, each line break counted as CR LF.
  std::size_t Units() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // Units an insertion may add in place of the current selection.
  std::size_t Room() const;
};

}  // namespace hexcribe::platform::qt
