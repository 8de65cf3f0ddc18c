// The Character Details window on Qt: built from its template, a list view over the portable rows,
// modeless beside the main window so the user can keep typing.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "app/qt/template_builder.h"
#include "ui/main_dialog.h"

class QTreeView;

namespace hexcribe::app::qt {

class CharacterRowsModel;

class CharacterDetailsWindow final : public QDialog {
 public:
  // owner: the main window it stays beside; backToInput gives the input box the focus (a row
  // activated with Enter or a double click).
  CharacterDetailsWindow(QWidget& owner, ui::MainDialog& dialog, std::function<void()> backToInput);
  ~CharacterDetailsWindow() override;

  // Shows the window and brings it to the front; the first time beside the main window.
  void ShowBesideOwner();
  // The rows changed: rowCount rows, the Character column in face at its own size.
  void ShowRows(std::size_t rowCount, const std::u16string& face);

  QTreeView* list() const { return list_; }
  const BuiltDialog& built() const { return built_; }

  // Closing (Close, Escape, the close box) hides the window and tells the dialog.
  void done(int result) override;

 private:
  void OnRowSelected(int row);

  ui::MainDialog& dialog_;
  std::function<void()> backToInput_;
  BuiltDialog built_;
  QTreeView* list_ = nullptr;
  CharacterRowsModel* model_ = nullptr;
  std::optional<std::u16string> face_;  // the face the Character column was last given
  bool updating_ = false;               // rows are being replaced: the selection moves by itself
  bool placed_ = false;
};

}  // namespace hexcribe::app::qt
