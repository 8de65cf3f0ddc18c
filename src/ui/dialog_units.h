// Dialog units to pixels with the dialog manager's rounding, and a window's place beside its owner.
#pragma once

#include <string_view>

namespace hexcribe::ui {

// The dialog font's base units: the average character width and the height.
struct BaseUnits {
  int cx;
  int cy;
};

struct PixelRect {
  int x;
  int y;
  int width;
  int height;
};

// The letters whose width together gives a font's average character width.
inline constexpr std::u16string_view kBaseUnitAlphabet = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Base units from the dialog font as measured on the device: the width of
// kBaseUnitAlphabet and the font's height (its text metrics).
// cx is half the rounded-up average of the 52 letters, as Windows computes it.
BaseUnits BaseUnitsFromFont(int alphabetWidth, int fontHeight);

// A rectangle in dialog units as pixels (MapDialogRect): x and width scale by
// cx / 4, y and height by cy / 8, each rounded.
PixelRect DialogRectToPixels(const BaseUnits& units, int x, int y, int width, int height);

// Where a window of width x height pixels goes beside its owner's frame, inside the screen's work
// area, so that it hides none of the owner where it can: right of the owner where it fits, else
// left of it, level with the owner's top; else below it; else at the work area's right edge.
// Moved inside the work area wherever the window is smaller than it.
PixelRect WindowBeside(const PixelRect& owner, int width, int height, const PixelRect& workArea);

// The height (negative: the character height) of a font of `points` points on
// a device of `dpi` dots per inch, as CreateFont takes it.
int FontHeightForDpi(int points, int dpi);

}  // namespace hexcribe::ui
