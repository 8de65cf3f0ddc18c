// The dialog laid out again for a new DPI: its font and every control's rectangle from the template.
#pragma once

#include "platform/win32/windows_api.h"

#include "platform/win32/unique_handles.h"
#include "res/dialog_templates.h"
#include "ui/dialog_units.h"

namespace hexcribe::app::win32 {

// The DPI the window is shown at (its monitor's on Windows 10 1607 and later;
// the system's before), for fonts made for that window.
int WindowDpi(HWND window);

// Owns the dialog font made for a DPI other than the one the window was
// created with. The dialog's controls are its children in template order.
class DpiLayout {
 public:
  DpiLayout(HWND dialog, const res::DialogTemplate& dialogTemplate)
      : dialog_(dialog), template_(dialogTemplate) {}
  DpiLayout(const DpiLayout&) = delete;
  DpiLayout& operator=(const DpiLayout&) = delete;

  // Makes the template's font for dpi and gives it to every control but
  // ownFontControl (which the dialog gives its own font), and moves every
  // control to its template rectangle in the new font's base units (a list
  // view's columns get their widths). Then, given the window rectangle
  // Windows suggests for the new dpi, places the window there: Windows scales
  // the window by the ratio of the dpis, and where the new font's base units
  // grow by more (a script's font rounds up) the window grows too, so the
  // bottom row stays in it.
  void Apply(int dpi, int ownFontControl, const RECT* suggested);

 private:
  void MoveControls(const ui::BaseUnits& units, HFONT font, int ownFontControl) const;
  void FitWindow(const ui::BaseUnits& units, const RECT& suggested) const;

  HWND dialog_;
  const res::DialogTemplate& template_;
  platform::win32::UniqueFont font_;
};

}  // namespace hexcribe::app::win32
