// Dialog units to pixels with the dialog manager's rounding, and a window's place beside its owner.
#include "ui/dialog_units.h"

#include <algorithm>

#include "core/font_size.h"

namespace hexcribe::ui {

BaseUnits BaseUnitsFromFont(int alphabetWidth, int fontHeight) {
  return {(alphabetWidth / 26 + 1) / 2, fontHeight};
}

PixelRect DialogRectToPixels(const BaseUnits& units, int x, int y, int width, int height) {
  return {MulDiv(x, units.cx, 4), MulDiv(y, units.cy, 8), MulDiv(width, units.cx, 4), MulDiv(height, units.cy, 8)};
}

int FontHeightForDpi(int points, int dpi) { return -MulDiv(points, dpi, 72); }

PixelRect WindowBeside(const PixelRect& owner, int width, int height, const PixelRect& workArea) {
  constexpr int kGap = 8;
  const int areaRight = workArea.x + workArea.width;
  const int areaBottom = workArea.y + workArea.height;
  const int right = owner.x + owner.width + kGap;
  const int left = owner.x - kGap - width;
  const int below = owner.y + owner.height + kGap;
  // Kept inside the work area where it is larger than the window.
  const auto within = [](int at, int size, int first, int last) { return std::max(first, std::min(at, last - size)); };
  if (right + width <= areaRight || left >= workArea.x) {
    return {right + width <= areaRight ? right : left, within(owner.y, height, workArea.y, areaBottom), width, height};
  }
  if (below + height <= areaBottom) return {within(owner.x, width, workArea.x, areaRight), below, width, height};
  return {within(areaRight, width, workArea.x, areaRight), within(owner.y, height, workArea.y, areaBottom), width,
          height};
}

}  // namespace hexcribe::ui
