// Dialog units to pixels, computed from the dialog font the way Windows does it,
// so the Qt window has the layout of the dialog templates.
#pragma once

#include <QFont>
#include <QRect>

namespace hexcribe::platform::qt {

// MulDiv: a * b / c rounded half away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// The dialog font's base units: cx from the average width of "A".."Z" "a".."z",
// cy from the font's height.
struct BaseUnits {
  int cx;
  int cy;
};
BaseUnits BaseUnitsOf(const QFont& font);

// A rectangle in dialog units as pixels (MapDialogRect).
QRect DialogRectToPixels(const BaseUnits& units, int x, int y, int width, int height);

// The dialog font of a template: the face when installed, otherwise a fixed
// fallback family so the layout is the same on every machine; its pixel size
// is MulDiv(points, dpi, 72) with the screen's logical vertical dpi.
QFont DialogFont(const QString& face, int points);

// The screen's logical vertical dpi (96 when there is no screen).
int LogicalDpiY();

}  // namespace hexcribe::platform::qt
