// Builds a dialog's child widgets from its template: the control classes,
// texts, styles that matter to behaviour, tab order and dialog-unit geometry.
#pragma once

#include <QFont>
#include <QIcon>
#include <QWidget>
#include <map>
#include <span>
#include <vector>

#include "app/qt/dialog_units.h"
#include "res/dialog_templates.h"

class QTreeView;

namespace hexcribe::app::qt {

struct BuiltDialog {
  QFont font;          // the dialog font every control uses
  BaseUnits units{};   // its base units
  QSize clientSize;    // the dialog's client area in pixels
  std::map<int, QWidget*> controls;  // by id (IDC_STATIC controls are not listed)
  std::vector<QWidget*> tabStops;    // in template order
};

// The program icon in its two sizes.
QIcon ProgramIcon();

// Creates the template's controls as children of dialog, places them, fills
// the lists' initial items and sets the tab order. The dialog gets the
// template's font and a fixed client size.
BuiltDialog BuildDialog(QWidget& dialog, const res::DialogTemplate& dialogTemplate);

// Gives a list view's columns their template widths in the dialog's base units (a list view is a
// QTreeView; a new model resets the widths).
void SizeListColumns(QTreeView& view, std::span<const res::ListColumn> columns, const BaseUnits& units);

// Widget text conversions at the platform edge.
QString ToQString(std::u16string_view text);
std::u16string ToU16(const QString& text);

}  // namespace hexcribe::app::qt
