// Sees every key press before the focused control does, and swallows what the
// portable dialog's key filter says (Enter and Escape) for the main window.
#pragma once

#include <QObject>
#include <QWidget>

namespace hexcribe::platform::qt {

class KeyFilter final : public QObject {
 public:
  explicit KeyFilter(QWidget& window) : window_(window) {}
  bool eventFilter(QObject* watched, QEvent* event) override;

  // The virtual-key code of a Qt key (Enter, Escape), or -1 for the others.
  static int VirtualKeyOf(int qtKey);

 private:
  // True for the window's own widgets and its drop-down lists' popups.
  bool BelongsToWindow(const QWidget* widget) const;

  QWidget& window_;
};

}  // namespace hexcribe::platform::qt
