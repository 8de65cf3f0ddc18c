// The main dialog as a Qt window: built from the dialog template, it implements
// the window interface and forwards the native events to the portable dialog.
#pragma once

#include <QDialog>
#include <QFont>
#include <map>
#include <memory>

#include "platform/qt/display_font_qt.h"
#include "app/qt/template_builder.h"
#include "ui/dialog_window.h"
#include "ui/main_dialog.h"

class QComboBox;
class QPlainTextEdit;
class QCheckBox;
class QAction;
class QMenu;

namespace hexcribe::app::qt {

class CharacterDetailsWindow;
class KeyFilter;

class MainWindow final : public QDialog, public ui::DialogWindow {
 public:
  MainWindow();
  ~MainWindow() override;

  // Connects the controls' notifications to the portable dialog's handlers.
  void Attach(ui::MainDialog& dialog);

  // Runs the start-up sequence and shows the window with the focus on the
  // first tab stop.
  void Start();
  // Start, the modal loop, and once the loop has ended on any path (Close,
  // the close box, Alt+F4), the shutdown sequence. Gives the dialog's result.
  int Run();
  // Ends the session's run as closing does: open menus and the About box
  // close, then the modal loop ends and Run saves.
  void EndSession();

  QWidget* Control(int id) const;
  const BuiltDialog& built() const { return built_; }

  // ui::DialogWindow
  std::u16string GetText(int id, std::size_t capacity) const override;
  void SetText(int id, const std::u16string& text) override;
  void ReplaceSelection(int id, const std::u16string& text) override;
  ui::TextSelection GetSelection(int id) const override;
  void SetSelection(int id, ui::TextSelection selection) override;
  void ReplaceText(int id, const std::u16string& text, std::size_t cursor) override;
  void SetTitle(const std::u16string& title) override;
  int GetItemCount(int id) const override;
  void DeleteItem(int id, int index) override;
  void InsertItem(int id, int index, const std::u16string& text) override;
  int GetCurSel(int id) const override;
  void SetCurSel(int id, int index) override;
  int SelectString(int id, int startIndex, const std::u16string& prefix) override;
  int GetCheck(int id) const override;
  void SetCheck(int id, int state) override;
  ui::FontHandle CreatePointFont(int tenthsOfPoint, const std::u16string& face) override;
  void DestroyFont(ui::FontHandle font) override;
  void SetControlFont(int id, ui::FontHandle font) override;
  bool AddAboutMenuEntry(int commandId, const std::u16string& text) override;
  void SetIcon(int iconId, bool big) override;
  void ShowAboutBox() override;
  void EndDialog(int result) override;
  bool ShowCharacterDetails() override;
  void CharacterRowsChanged(std::size_t rowCount, const std::u16string& face) override;
  void CloseCharacterDetails() override;

  // The Character Details window, once it has been opened.
  CharacterDetailsWindow* characterDetails() const { return details_.get(); }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QComboBox* Combo(int id) const;
  QPlainTextEdit* Edit(int id) const;
  QCheckBox* CheckBox(int id) const;
  void ShowEditMenu(QPlainTextEdit* edit, const QPoint& position);
  // The context menu a context-menu key asks for on `widget` (a control, a
  // text box's viewport or a drop-down list's popup), placed at that control.
  void ShowKeyboardContextMenu(QWidget* widget);
  // Appends the About entry, which the window's menu stands in for, when it was added.
  void AddAboutEntry(QMenu& menu);
  // Puts the input box's own entries after the menu's Paste entry: "Paste Command as Text",
  // enabled when the clipboard holds commands to turn back into text; "Character Details...";
  // "Compose Characters (NFC)", enabled when the text is not in NFC.
  void AddInputBoxEntries(QMenu& menu, const QPlainTextEdit& edit);
  // One of those entries, not yet in the menu.
  QAction* MakeInputBoxEntry(QMenu& menu, int textId, const char* name, bool enabled);

  BuiltDialog built_;
  ui::MainDialog* dialog_ = nullptr;
  std::unique_ptr<KeyFilter> keyFilter_;
  platform::DisplayFontTable fonts_;
  std::map<int, ui::FontHandle> controlFonts_;  // which control shows which display font
  int aboutCommand_ = 0;
  QString aboutText_;
  std::unique_ptr<CharacterDetailsWindow> details_;
  bool closing_ = false;  // the modal loop has ended: the window only saves and goes away
};

}  // namespace hexcribe::app::qt
