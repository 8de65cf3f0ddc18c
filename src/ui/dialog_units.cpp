// Dialog units to pixels, with the dialog manager's rounding: the layout of both front ends, at any DPI.
#include "ui/dialog_units.h"

#include "core/font_size.h"

namespace hexcribe::ui {

BaseUnits BaseUnitsFromFont(int alphabetWidth, int fontHeight) {
  return {(alphabetWidth / 26 + 1) / 2, fontHeight};
}

PixelRect DialogRectToPixels(const BaseUnits& units, int x, int y, int width, int height) {
  return {MulDiv(x, units.cx, 4), MulDiv(y, units.cy, 8), MulDiv(width, units.cx, 4), MulDiv(height, units.cy, 8)};
}

int FontHeightForDpi(int points, int dpi) { return -MulDiv(points, dpi, 72); }

}  // namespace hexcribe::ui
