// Enter and Escape swallowed, context-menu keys answered, before any control of the main window sees them.
#include "app/qt/key_filter.h"

#include <QComboBox>
#include <QKeyEvent>

#include "ui/main_dialog.h"

namespace hexcribe::app::qt {

int KeyFilter::VirtualKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return ui::kVirtualKeyReturn;
    case Qt::Key_Escape: return ui::kVirtualKeyEscape;
    default: return -1;
  }
}

bool KeyFilter::IsContextMenuKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  return (qtKey == Qt::Key_Menu && held == Qt::NoModifier) || (qtKey == Qt::Key_F10 && held == Qt::ShiftModifier);
}

bool KeyFilter::BelongsToWindow(const QWidget* widget) const {
  const QWidget* top = widget->window();
  if (top == &window_) return true;
  // A drop-down list's popup is a window of its own whose parent is the list.
  const auto* combo = qobject_cast<const QComboBox*>(top->parentWidget());
  return combo != nullptr && combo->window() == &window_;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    if (!BelongsToWindow(widget)) return QObject::eventFilter(watched, event);
    if (ui::MainDialog::PreTranslateKeyDown(VirtualKeyOf(key->key()))) return true;
    // Controls answer these keys unevenly (a closed drop-down list ignores
    // them), so the window answers them for every control alike.
    if (IsContextMenuKey(key->key(), key->modifiers()) && contextMenu_) {
      contextMenu_(widget);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace hexcribe::app::qt
