// The dialog laid out again for a new DPI: its font and every control's rectangle from the template.
#include "app/win32/dpi_layout.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "app/win32/list_columns.h"
#include "platform/win32/wide_text.h"
#include "ui/dialog_units.h"

namespace hexcribe::app::win32 {

namespace {

HFONT CreateTemplateFont(const res::DialogTemplate& dialogTemplate, int dpi) {
  LOGFONTW description{};
  description.lfHeight = ui::FontHeightForDpi(dialogTemplate.pointSize, dpi);
  description.lfWeight = dialogTemplate.fontWeight;
  description.lfItalic = dialogTemplate.italic ? TRUE : FALSE;
  description.lfCharSet = static_cast<BYTE>(dialogTemplate.charset);
  platform::win32::ToWide(dialogTemplate.fontFace).copy(description.lfFaceName, LF_FACESIZE - 1);
  return ::CreateFontIndirectW(&description);
}

// The base units of font in window, measured the way the dialog manager does.
std::optional<ui::BaseUnits> MeasureBaseUnits(HWND window, HFONT font) {
  const platform::win32::WindowDc dc(window);
  if (dc.get() == nullptr) return std::nullopt;
  TEXTMETRICW metrics{};
  SIZE alphabet{};
  const HGDIOBJ previous = ::SelectObject(dc.get(), font);
  const bool measured = ::GetTextMetricsW(dc.get(), &metrics) &&
                        ::GetTextExtentPoint32W(dc.get(), platform::win32::ToWide(ui::kBaseUnitAlphabet).c_str(),
                                                 static_cast<int>(ui::kBaseUnitAlphabet.size()), &alphabet);
  ::SelectObject(dc.get(), previous);
  if (!measured) return std::nullopt;
  return ui::BaseUnitsFromFont(alphabet.cx, metrics.tmHeight);
}

}  // namespace

int WindowDpi(HWND window) {
  // GetDpiForWindow exists from Windows 10 1607 on; Windows 7 has one DPI.
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr && window != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi != 0) return static_cast<int>(dpi);
  }
  const platform::win32::WindowDc screen(nullptr);
  const int dpi = screen.get() != nullptr ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  return dpi > 0 ? dpi : 96;
}

void DpiLayout::Apply(int dpi, int ownFontControl, const RECT* suggested) {
  platform::win32::UniqueFont font(CreateTemplateFont(template_, dpi));
  if (font.get() == nullptr) return;
  const std::optional<ui::BaseUnits> units = MeasureBaseUnits(dialog_, font.get());
  if (!units) return;
  MoveControls(*units, font.get(), ownFontControl);
  // The controls hold the new font now; the old one may go.
  font_ = std::move(font);
  ::InvalidateRect(dialog_, nullptr, TRUE);
  if (suggested != nullptr) FitWindow(*units, *suggested);
}

void DpiLayout::MoveControls(const ui::BaseUnits& units, HFONT font, int ownFontControl) const {
  HWND control = ::GetWindow(dialog_, GW_CHILD);
  for (const res::ControlTemplate& item : template_.controls) {
    if (control == nullptr) break;
    const ui::PixelRect rect = ui::DialogRectToPixels(units, item.x, item.y, item.width, item.height);
    ::SetWindowPos(control, nullptr, rect.x, rect.y, rect.width, rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (::GetDlgCtrlID(control) != ownFontControl) {
      ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    SizeListColumns(control, item, units);
    control = ::GetWindow(control, GW_HWNDNEXT);
  }
}

void DpiLayout::FitWindow(const ui::BaseUnits& units, const RECT& suggested) const {
  const int width = suggested.right - suggested.left;
  const int height = suggested.bottom - suggested.top;
  ::SetWindowPos(dialog_, nullptr, suggested.left, suggested.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  const ui::PixelRect needed = ui::DialogRectToPixels(units, 0, 0, template_.width, template_.height);
  RECT client{};
  ::GetClientRect(dialog_, &client);
  const int growX = std::max(0, needed.width - static_cast<int>(client.right));
  const int growY = std::max(0, needed.height - static_cast<int>(client.bottom));
  if (growX > 0 || growY > 0) {
    ::SetWindowPos(dialog_, nullptr, 0, 0, width + growX, height + growY, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
}

}  // namespace hexcribe::app::win32
