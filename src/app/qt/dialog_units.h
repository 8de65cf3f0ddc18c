// Dialog units to pixels, computed from the dialog font the way Windows does it,
// so the Qt window has the layout of the dialog templates.
#pragma once

#include <QFont>
#include <QRect>

namespace hexcribe::app::qt {

// The dialog font's base units: cx from the average width of "A".."Z" "a".."z",
// cy from the font's height.
struct BaseUnits {
  int cx;
  int cy;
};
BaseUnits BaseUnitsOf(const QFont& font);

// A control rectangle in dialog units as pixels: position and size each
// converted with MulDiv (x, width by cx / 4; y, height by cy / 8).
QRect DialogRectToPixels(const BaseUnits& units, int x, int y, int width, int height);

// The dialog font of a template: the face when installed, otherwise a fixed
// fallback family so the layout is the same on every machine; its pixel size
// is MulDiv(points, dpi, 72) with the screen's logical vertical dpi.
QFont DialogFont(const QString& face, int points);

}  // namespace hexcribe::app::qt
