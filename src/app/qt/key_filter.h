// Sees every key press before the focused control does, swallows what the
// portable dialog's key filter says (Enter and Escape) for the main window, and
// turns the keyboard's context-menu keys (Menu, Shift+F10) into a menu request.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

namespace hexcribe::app::qt {

class KeyFilter final : public QObject {
 public:
  // contextMenu is called with the widget that had the key when a context-menu key is pressed.
  KeyFilter(QWidget& window, std::function<void(QWidget*)> contextMenu)
      : window_(window), contextMenu_(std::move(contextMenu)) {}
  bool eventFilter(QObject* watched, QEvent* event) override;

  // The virtual-key code of a Qt key (Enter, Escape), or -1 for the others.
  static int VirtualKeyOf(int qtKey);
  // True for the Menu key and Shift+F10, the keyboard's ways to ask for a context menu.
  static bool IsContextMenuKey(int qtKey, Qt::KeyboardModifiers modifiers);

 private:
  // True for the window's own widgets and its drop-down lists' popups.
  bool BelongsToWindow(const QWidget* widget) const;

  QWidget& window_;
  std::function<void(QWidget*)> contextMenu_;
};

}  // namespace hexcribe::app::qt
