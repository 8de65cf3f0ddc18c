// The dialog laid out again for a new DPI: its font and every control's rectangle from the template.
#include "app/win32/dpi_layout.h"

#include <algorithm>

#include "app/win32/list_columns.h"
#include "platform/win32/wide_text.h"
#include "ui/dialog_units.h"

namespace hexcribe::app::win32 {

int WindowDpi(HWND window) {
  // GetDpiForWindow exists from Windows 10 1607 on; Windows 7 has one DPI.
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr && window != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi != 0) return static_cast<int>(dpi);
  }
  const HDC screen = ::GetDC(nullptr);
  const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

DpiLayout::~DpiLayout() {
  if (font_ != nullptr) ::DeleteObject(font_);
}

void DpiLayout::Apply(int dpi, int ownFontControl, const RECT* suggested) {
  LOGFONTW description{};
  description.lfHeight = ui::FontHeightForDpi(template_.pointSize, dpi);
  description.lfWeight = template_.fontWeight;
  description.lfItalic = template_.italic ? TRUE : FALSE;
  description.lfCharSet = static_cast<BYTE>(template_.charset);
  platform::win32::ToWide(template_.fontFace).copy(description.lfFaceName, LF_FACESIZE - 1);
  const HFONT font = ::CreateFontIndirectW(&description);
  if (font == nullptr) return;

  // The base units of the new font, measured the way the dialog manager does.
  TEXTMETRICW metrics{};
  SIZE alphabet{};
  const HDC dc = ::GetDC(dialog_);
  if (dc == nullptr) {
    ::DeleteObject(font);
    return;
  }
  const HGDIOBJ previous = ::SelectObject(dc, font);
  const bool measured = ::GetTextMetricsW(dc, &metrics) &&
                        ::GetTextExtentPoint32W(dc, platform::win32::ToWide(ui::kBaseUnitAlphabet).c_str(),
                                                 static_cast<int>(ui::kBaseUnitAlphabet.size()), &alphabet);
  ::SelectObject(dc, previous);
  ::ReleaseDC(dialog_, dc);
  if (!measured) {
    ::DeleteObject(font);
    return;
  }
  const ui::BaseUnits units = ui::BaseUnitsFromFont(alphabet.cx, metrics.tmHeight);

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
  // The controls hold the new font now; the old one may go.
  if (font_ != nullptr) ::DeleteObject(font_);
  font_ = font;
  ::InvalidateRect(dialog_, nullptr, TRUE);
  if (suggested == nullptr) return;
  const int width = suggested->right - suggested->left;
  const int height = suggested->bottom - suggested->top;
  ::SetWindowPos(dialog_, nullptr, suggested->left, suggested->top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
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
