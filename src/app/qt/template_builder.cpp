// Widgets from a dialog template.
#include "app/qt/template_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/qt/control_fit.h"
#include "app/qt/limited_text_edit.h"
#include "res/localized_dialogs.h"
#include "res/window_styles.h"
#include "ui/accessible_name.h"

namespace hexcribe::app::qt {
namespace {

QWidget* MakeStatic(QWidget& parent, const res::ControlTemplate& control) {
  auto* label = new QLabel(&parent);
  if ((control.style & res::kSsTypeMask) == res::kSsIcon) {
    label->setPixmap(ProgramIcon().pixmap(32, 32));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
  }
  // A lone carriage return breaks the line in a static control.
  QString text = ToQString(control.text);
  text.replace(QChar(u'\r'), QChar(u'\n'));
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QWidget* MakeButton(QWidget& parent, const res::ControlTemplate& control) {
  const std::uint32_t type = control.style & res::kBsTypeMask;
  if (type == res::kBsAutoCheckBox) {
    auto* check = new QCheckBox(ToQString(control.text), &parent);
    return check;
  }
  auto* button = new QPushButton(ToQString(control.text), &parent);
  button->setAutoDefault(false);
  button->setDefault(type == res::kBsDefPushButton);
  return button;
}

QWidget* MakeEdit(QWidget& parent, const res::ControlTemplate& control) {
  auto* edit = new LimitedTextEdit(&parent);
  edit->setTabChangesFocus(true);  // Tab moves the focus, as in a dialog
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit->setVerticalScrollBarPolicy((control.style & res::kWsVScroll) ? Qt::ScrollBarAlwaysOn
                                                                       : Qt::ScrollBarAlwaysOff);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setReadOnly((control.style & res::kEsReadOnly) != 0);
  if (!(control.style & res::kWsBorder)) edit->setFrameShape(QFrame::NoFrame);
  return edit;
}

QWidget* MakeCombo(QWidget& parent, const res::ControlTemplate&) {
  auto* combo = new QComboBox(&parent);
  combo->setEditable(false);
  combo->setInsertPolicy(QComboBox::NoInsert);
  // Styles that open the list as a menu around the current item ignore the
  // visible-item count and may cover the screen; a plain list keeps the bound.
  combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  return combo;
}

// A list view in report form: rows of columns, one row selected at a time. Until the program
// gives it its rows, a model of the headers alone stands in, so the columns show from the start.
QWidget* MakeListView(QWidget& parent, const res::ControlTemplate& control) {
  auto* view = new QTreeView(&parent);
  view->setRootIsDecorated(false);
  view->setItemsExpandable(false);
  view->setUniformRowHeights(true);  // rows laid out without measuring each one
  view->setAllColumnsShowFocus(true);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->header()->setStretchLastSection(false);
  view->header()->setSectionsMovable(false);
  auto* headers = new QStandardItemModel(0, static_cast<int>(control.columns.size()), view);
  for (std::size_t i = 0; i < control.columns.size(); ++i) {
    headers->setHeaderData(static_cast<int>(i), Qt::Horizontal,
                           ToQString(res::LoadResourceString(control.columns[i].textId)));
  }
  view->setModel(headers);
  if (!(control.style & res::kWsBorder)) view->setFrameShape(QFrame::NoFrame);
  return view;
}

// The static right before a list or text box labels it, as on Windows. The
// buddy gives screen readers the labelled-by relation (and a mnemonic in the
// label reaches the control), and a text box takes the label's name. A drop-down
// list keeps its current item as its name on Linux, where Qt leaves the label
// to the relation.
void NameAfterLabel(QWidget& control, QLabel* label) {
  if (label == nullptr) return;
  label->setBuddy(&control);
  control.setAccessibleName(ToQString(ui::AccessibleName(ToU16(label->text()))));
}

}  // namespace

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string ToU16(const QString& text) { return text.toStdU16String(); }

void SizeListColumns(QTreeView& view, std::span<const res::ListColumn> columns, const BaseUnits& units) {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    view.header()->resizeSection(static_cast<int>(i), DialogRectToQRect(units, 0, 0, columns[i].width, 0).width());
  }
}

QIcon ProgramIcon() {
  // Every drawn size, so docks, task switchers and scaled screens pick a sharp one.
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/hexcribe/hexcribe-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

namespace {

// Each control's widget beside its template entry, in template order.
using PlacedControls = std::vector<std::pair<QWidget*, const res::ControlTemplate*>>;

// A control's rectangle at the given base units; a drop-down list's closed box
// is as high as its font and style need (the template gives the open list's height).
QRect PlaceControl(const QWidget& widget, const res::ControlTemplate& control, const BaseUnits& units) {
  QRect rect = DialogRectToQRect(units, control.x, control.y, control.width, control.height);
  if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) rect.setHeight(combo->sizeHint().height());
  return rect;
}

// Base units at which every control has room for its text. The template's
// face may be missing and any other face has other proportions, so the units
// grow (the whole dialog with them, arrangement and proportions kept) until
// nothing is cut.
BaseUnits UnitsThatFit(BaseUnits units, const PlacedControls& placed) {
  for (int round = 0; round < 32; ++round) {
    double growX = 1.0;
    double growY = 1.0;
    for (const auto& [widget, control] : placed) {
      const QRect rect = PlaceControl(*widget, *control, units);
      const QSize need = RoomNeeded(*widget, rect.width());
      if (need.width() > rect.width()) growX = std::max(growX, double(need.width()) / std::max(1, rect.width()));
      if (need.height() > rect.height() && qobject_cast<QComboBox*>(widget) == nullptr) {
        growY = std::max(growY, double(need.height()) / std::max(1, rect.height()));
      }
    }
    if (growX <= 1.0 && growY <= 1.0) break;
    // At least one unit per round, so rounding in the conversion cannot stall the search.
    if (growX > 1.0) units.cx = std::max(units.cx + 1, static_cast<int>(std::ceil(units.cx * growX)));
    if (growY > 1.0) units.cy = std::max(units.cy + 1, static_cast<int>(std::ceil(units.cy * growY)));
  }
  return units;
}

QWidget* MakeControl(QWidget& dialog, const res::ControlTemplate& control, const QFont& font) {
  QWidget* widget = nullptr;
  switch (control.controlClass) {
    case res::ControlClass::kStatic: widget = MakeStatic(dialog, control); break;
    case res::ControlClass::kButton: widget = MakeButton(dialog, control); break;
    case res::ControlClass::kEdit: widget = MakeEdit(dialog, control); break;
    case res::ControlClass::kComboBox: widget = MakeCombo(dialog, control); break;
    case res::ControlClass::kListView: widget = MakeListView(dialog, control); break;
  }
  widget->setFont(font);
  widget->setFocusPolicy((control.style & res::kWsTabStop) ? Qt::StrongFocus
                         : control.controlClass == res::ControlClass::kStatic ? Qt::NoFocus
                                                                               : Qt::ClickFocus);
  return widget;
}

PlacedControls MakeControls(QWidget& dialog, const res::DialogTemplate& dialogTemplate, BuiltDialog& built) {
  PlacedControls placed;
  for (const res::ControlTemplate& control : dialogTemplate.controls) {
    QWidget* widget = MakeControl(dialog, control, built.font);
    if (res::LabelOf(dialogTemplate, control.id) != nullptr && !placed.empty()) {
      NameAfterLabel(*widget, qobject_cast<QLabel*>(placed.back().first));
    }
    placed.emplace_back(widget, &control);
    if (control.id != IDC_STATIC) built.controls[control.id] = widget;
    if (control.style & res::kWsTabStop) built.tabStops.push_back(widget);
  }
  return placed;
}

void FillInitialItems(const res::DialogTemplate& dialogTemplate, const std::map<int, QWidget*>& controls) {
  for (const res::InitialItems& data : dialogTemplate.initialData) {
    auto it = controls.find(data.controlId);
    if (it == controls.end()) continue;
    if (auto* combo = qobject_cast<QComboBox*>(it->second)) {
      for (const int textId : data.textIds) combo->addItem(ToQString(res::LoadResourceString(textId)));
      combo->setCurrentIndex(-1);  // a list starts without selection
    }
  }
}

void PlaceControls(const PlacedControls& placed, const BuiltDialog& built) {
  for (const auto& [widget, control] : placed) {
    QRect rect = PlaceControl(*widget, *control, built.units);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      // The list shows as many items as the template's open height holds.
      const QRect open = DialogRectToQRect(built.units, control->x, control->y, control->width, control->height);
      const int itemHeight = QFontMetrics(built.font).height() + 2;
      combo->setMaxVisibleItems(std::max(1, (open.height() - rect.height()) / std::max(1, itemHeight)));
    }
    widget->setGeometry(rect);
    if (auto* view = qobject_cast<QTreeView*>(widget)) SizeListColumns(*view, control->columns, built.units);
  }
}

// A one-line label in the row of a drop-down list shares the list's text baseline.
void AlignLabelsWithLists(const PlacedControls& placed) {
  for (const auto& [widget, control] : placed) {
    if (control->controlClass != res::ControlClass::kStatic || qobject_cast<QLabel*>(widget)->text().contains(u'\n')) {
      continue;
    }
    for (const auto& [other, otherControl] : placed) {
      if (otherControl->controlClass != res::ControlClass::kComboBox) continue;
      const QRect label = widget->geometry();
      const QRect box = other->geometry();
      if (label.top() >= box.bottom() || box.top() >= label.bottom() || label.right() > box.left()) continue;
      widget->move(label.left(), LabelTopOnComboBaseline(*other, box.top(), widget->font()));
    }
  }
}

}  // namespace

BuiltDialog BuildDialog(QWidget& dialog, const res::DialogTemplate& dialogTemplate) {
  BuiltDialog built;
  built.font = DialogFont(ToQString(dialogTemplate.fontFace), dialogTemplate.pointSize);
  dialog.setFont(built.font);
  const PlacedControls placed = MakeControls(dialog, dialogTemplate, built);
  FillInitialItems(dialogTemplate, built.controls);

  built.units = UnitsThatFit(BaseUnitsOf(built.font), placed);
  built.clientSize = DialogRectToQRect(built.units, 0, 0, dialogTemplate.width, dialogTemplate.height).size();
  dialog.setFixedSize(built.clientSize);
  PlaceControls(placed, built);
  AlignLabelsWithLists(placed);
  for (std::size_t i = 1; i < built.tabStops.size(); ++i) {
    QWidget::setTabOrder(built.tabStops[i - 1], built.tabStops[i]);
  }
  return built;
}

}  // namespace hexcribe::app::qt
