// The dialog font and its base units measured with Qt, so the Qt window has the layout of the
// dialog templates; the conversion itself is the shared one (ui/dialog_units.h).
#pragma once

#include <QFont>
#include <QRect>

#include "ui/dialog_units.h"

namespace hexcribe::app::qt {

using ui::BaseUnits;

// The base units of font, measured as the dialog manager measures them.
BaseUnits BaseUnitsOf(const QFont& font);

// A control rectangle in dialog units as pixels (ui::DialogRectToPixels).
QRect DialogRectToQRect(const BaseUnits& units, int x, int y, int width, int height);

// The dialog font of a template: the face when installed, otherwise a fixed
// fallback family so the layout is the same on every machine; its character
// height is that of `points` points at the screen's logical vertical dpi.
QFont DialogFont(const QString& face, int points);

}  // namespace hexcribe::app::qt
