// Enter and Escape swallowed before any control of the main window sees them.
#include "platform/qt/frontend/key_filter.h"

#include <QComboBox>
#include <QKeyEvent>

#include "ui/main_dialog.h"

namespace hexcribe::platform::qt {

int KeyFilter::VirtualKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return ui::kVirtualKeyReturn;
    case Qt::Key_Escape: return ui::kVirtualKeyEscape;
    default: return -1;
  }
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
    if (BelongsToWindow(static_cast<QWidget*>(watched)) &&
        ui::MainDialog::PreTranslateKeyDown(VirtualKeyOf(key->key()))) {
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace hexcribe::platform::qt
