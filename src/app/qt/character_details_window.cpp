// The Character Details window on Qt: its list view reads each visible cell from the portable rows.
#include "app/qt/character_details_window.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <span>
#include <utility>

#include "platform/qt/display_font_qt.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"

namespace hexcribe::app::qt {

// The rows as a table model: only the cells the view draws are asked for, so a long text costs
// no more per keystroke than the rows on screen.
class CharacterRowsModel final : public QAbstractTableModel {
 public:
  CharacterRowsModel(const ui::CharacterDetails& details, std::span<const res::ListColumn> columns, QObject* parent)
      : QAbstractTableModel(parent), details_(details), columns_(columns) {}

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const bool character = index.column() == ui::kCharacterColumn;
    switch (role) {
      case Qt::DisplayRole:
        return ToQString(details_.Cell(static_cast<std::size_t>(index.row()), index.column()));
      case Qt::FontRole:
        return character && characterFont_ ? QVariant(*characterFont_) : QVariant();
      case Qt::SizeHintRole:
        // Every row as high as the face's characters, whichever row comes first (a blank one too).
        return character && characterFont_ ? QVariant(QSize(0, QFontMetrics(*characterFont_).height() + 4))
                                           : QVariant();
      case Qt::TextAlignmentRole:
        return index.column() == ui::kNumberColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
      default:
        return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(columns_.size())) {
      return {};
    }
    return ToQString(res::LoadResourceString(columns_[static_cast<std::size_t>(section)].textId));
  }

  // The rows are the details' now: rows come or go at the end, every remaining cell may have changed.
  void ShowRows(int rows) {
    if (rows > rows_) {
      beginInsertRows({}, rows_, rows - 1);
      rows_ = rows;
      endInsertRows();
    } else if (rows < rows_) {
      beginRemoveRows({}, rows, rows_ - 1);
      rows_ = rows;
      endRemoveRows();
    }
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount({}) - 1));
  }

  void SetCharacterFont(std::optional<QFont> font) { characterFont_ = std::move(font); }

 private:
  const ui::CharacterDetails& details_;
  std::span<const res::ListColumn> columns_;
  int rows_ = 0;
  std::optional<QFont> characterFont_;
};

CharacterDetailsWindow::CharacterDetailsWindow(QWidget& owner, ui::MainDialog& dialog,
                                               std::function<void()> backToInput)
    : QDialog(&owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      dialog_(dialog),
      backToInput_(std::move(backToInput)) {
  const res::DialogTemplate& details = res::CharacterDetailsTemplate();
  setObjectName(QStringLiteral("characterDetails"));
  setWindowTitle(ToQString(details.caption));
  setModal(false);  // the user keeps typing in the main window
  built_ = BuildDialog(*this, details);
  list_ = qobject_cast<QTreeView*>(built_.controls.at(IDC_CHARACTER_LIST));
  const std::span<const res::ListColumn> columns = res::FindControl(details, IDC_CHARACTER_LIST)->columns;
  model_ = new CharacterRowsModel(dialog_.characterDetails(), columns, this);
  list_->setModel(model_);
  SizeListColumns(*list_, columns, built_.units);
  // The selection, not the current row: a list taking the focus makes its first row current
  // without the user choosing it.
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (!rows.isEmpty()) OnRowSelected(rows.front().row());
  });
  // A click chooses its row also when that row is selected already (from before the text changed).
  connect(list_, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) { OnRowSelected(index.row()); });
  connect(list_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
    dialog_.OnCharacterRowChosen(static_cast<std::size_t>(index.row()));
    if (backToInput_) backToInput_();
  });
  if (auto* close = qobject_cast<QPushButton*>(built_.controls.at(IDCANCEL))) {
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
  }
}

CharacterDetailsWindow::~CharacterDetailsWindow() = default;

void CharacterDetailsWindow::ShowRows(std::size_t rowCount, const std::u16string& face) {
  if (face_ != face) {
    // Drawn in the face alone, without other fonts filling in: a character the face lacks shows as
    // the face's missing-glyph box, as the LCD would lack it.
    std::optional<QFont> font =
        platform::MakeDisplayFont(face, ui::kCharacterTenthsOfPoint, platform::PrimaryScreenLogicalDpi());
    if (font) font->setStyleStrategy(QFont::NoFontMerging);
    model_->SetCharacterFont(std::move(font));
    face_ = face;
  }
  updating_ = true;
  model_->ShowRows(static_cast<int>(rowCount));
  updating_ = false;
}

void CharacterDetailsWindow::OnRowSelected(int row) {
  // Only the user's choice selects in the input box: a selection that moves because the rows
  // changed must not select what the next keystroke would then type over.
  if (updating_ || row < 0) return;
  dialog_.OnCharacterRowChosen(static_cast<std::size_t>(row));
}

void CharacterDetailsWindow::ShowBesideOwner() {
  if (!placed_) {
    // Beside the main window rather than over the text being typed.
    const QWidget* owner = parentWidget();
    const QRect frame = owner->frameGeometry();
    const QRect area = owner->screen()->availableGeometry();
    const QSize size = frameGeometry().size().expandedTo(sizeHint());
    const ui::PixelRect at = ui::WindowBeside({frame.x(), frame.y(), frame.width(), frame.height()}, size.width(),
                                              size.height(), {area.x(), area.y(), area.width(), area.height()});
    move(at.x, at.y);
    placed_ = true;
  }
  show();
  raise();
  activateWindow();
}

void CharacterDetailsWindow::done(int result) {
  QDialog::done(result);
  dialog_.OnCharacterDetailsClosed();
}

}  // namespace hexcribe::app::qt
