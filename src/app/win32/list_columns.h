// The columns of a dialog's list views, from the template: added when the dialog is made, and
// sized again when the dialog is laid out for another DPI.
#pragma once

#include "platform/win32/windows_api.h"

#include "res/dialog_templates.h"
#include "ui/dialog_units.h"

namespace hexcribe::app::win32 {

// Adds each list view's columns (header texts from the string table, widths through the dialog's
// own base units) and lets it select and draw whole rows.
void AddListColumns(HWND dialog, const res::DialogTemplate& dialogTemplate);

// Gives list view `list` the column widths of `control` in the base units `units`.
void SizeListColumns(HWND list, const res::ControlTemplate& control, const ui::BaseUnits& units);

}  // namespace hexcribe::app::win32
