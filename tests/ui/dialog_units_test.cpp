// Dialog units to pixels at several resolutions, with the rounding the dialog manager uses.
#include "ui/dialog_units.h"

#include <gtest/gtest.h>

#include <vector>

namespace hexcribe::ui {
namespace {

TEST(DialogUnits, ScaleWithTheFontMeasuredAtEachResolution) {
  struct Case {
    int dpi;
    int alphabetWidth;  // of the 8-point dialog font at that dpi
    int fontHeight;
    BaseUnits units;
    PixelRect button;   // a 50 x 14 button at (7, 7)
    int displayFontHeight;
  };
  const std::vector<Case> cases = {
      {96, 286, 13, {6, 13}, {11, 11, 75, 23}, -35},
      {144, 442, 19, {9, 19}, {16, 17, 113, 33}, -52},
      {192, 572, 26, {11, 26}, {19, 23, 138, 46}, -69},
      {120, 364, 16, {7, 16}, {12, 14, 88, 28}, -43},
  };
  for (const Case& c : cases) {
    const BaseUnits units = BaseUnitsFromFont(c.alphabetWidth, c.fontHeight);
    EXPECT_EQ(units.cx, c.units.cx) << c.dpi;
    EXPECT_EQ(units.cy, c.units.cy) << c.dpi;
    const PixelRect button = DialogRectToPixels(units, 7, 7, 50, 14);
    EXPECT_EQ(button.x, c.button.x) << c.dpi;
    EXPECT_EQ(button.y, c.button.y) << c.dpi;
    EXPECT_EQ(button.width, c.button.width) << c.dpi;
    EXPECT_EQ(button.height, c.button.height) << c.dpi;
    EXPECT_EQ(FontHeightForDpi(26, c.dpi), c.displayFontHeight) << c.dpi;
  }
}

}  // namespace
}  // namespace hexcribe::ui
