// The fit check of the Windows dialogs: every language's main dialog, About box and Character
// Details, made from that language's resources at 96 and at 144 dpi, with each control's text
// measured in the control's own font (GetTextExtentPoint32, DrawText for wrapping labels) against
// the control's rectangle, a list view's headers against its columns; the status line with its
// longest message.
#include "platform/win32/windows_api.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/win32/dialog_init_data.h"
#include "app/win32/dpi_layout.h"
#include "app/win32/list_columns.h"
#include "dialog_cases.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "res/window_styles.h"

namespace hexcribe {
namespace {

std::span<const std::uint8_t> Resource(const wchar_t* type, int id, WORD language) {
  const HMODULE self = ::GetModuleHandleW(nullptr);
  const HRSRC info = ::FindResourceExW(self, type, MAKEINTRESOURCEW(id), language);
  const HGLOBAL loaded = info != nullptr ? ::LoadResource(self, info) : nullptr;
  const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  return bytes != nullptr ? std::span(static_cast<const std::uint8_t*>(bytes), ::SizeofResource(self, info))
                          : std::span<const std::uint8_t>();
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// The texts a control shows: a list's items, another control's own text.
std::vector<std::wstring> TextsOf(HWND control, const res::ControlTemplate& item) {
  std::vector<std::wstring> texts;
  const bool list = item.controlClass == res::ControlClass::kComboBox;
  const int count = list ? static_cast<int>(::SendMessageW(control, CB_GETCOUNT, 0, 0)) : 1;
  for (int i = 0; i < count; ++i) {
    std::wstring text(512, L'\0');
    text.resize(list ? ::SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))
                     : ::GetWindowTextW(control, text.data(), static_cast<int>(text.size())));
    if (!text.empty()) texts.push_back(text);
  }
  return texts;
}

// The least room (pixels) a list view's columns leave beside their headers' texts, measured in the
// header's font with the margins the header draws: negative when a header is cut.
int ColumnSlack(HWND list, const res::ControlTemplate& item) {
  const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
  const HDC dc = ::GetDC(header);
  const HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(header, WM_GETFONT, 0, 0)));
  int slack = 1 << 20;
  for (std::size_t i = 0; i < item.columns.size(); ++i) {
    const std::u16string text(res::LoadResourceString(item.columns[i].textId));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, std::wstring(text.begin(), text.end()).c_str(), static_cast<int>(text.size()), &extent);
    const int width = static_cast<int>(::SendMessageW(list, LVM_GETCOLUMNWIDTH, i, 0));
    slack = std::min<int>(slack, width - extent.cx - 6 * ::GetSystemMetrics(SM_CXEDGE));
  }
  ::SelectObject(dc, previous);
  ::ReleaseDC(header, dc);
  return slack;
}

// The room (pixels) the control's texts need in its own font, with what the control draws beside
// them: a check box its box and a gap, a push button its edges and focus frame, a list its edges and
// arrow button. A label wraps at its width: DrawText measures it as the static control draws it.
SIZE RoomNeeded(HWND control, const res::ControlTemplate& item, int width) {
  SIZE need{0, 0};
  const std::vector<std::wstring> texts = item.iconId == 0 ? TextsOf(control, item) : std::vector<std::wstring>();
  if (texts.empty()) return need;
  const HDC dc = ::GetDC(control);
  const HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  for (const std::wstring& text : texts) {
    RECT bounds{0, 0, width, 0};
    SIZE extent{0, 0};
    if (item.controlClass == res::ControlClass::kStatic) {
      ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
                  DT_CALCRECT | DT_WORDBREAK | ((item.style & res::kSsNoPrefix) ? DT_NOPREFIX : 0));
      extent = {bounds.right, bounds.bottom};
    } else {
      ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    }
    need = {std::max(need.cx, extent.cx), std::max(need.cy, extent.cy)};
  }
  ::SelectObject(dc, previous);
  ::ReleaseDC(control, dc);
  const int edge = ::GetSystemMetrics(SM_CXEDGE);
  if ((item.style & res::kBsTypeMask) == res::kBsAutoCheckBox && item.controlClass == res::ControlClass::kButton) {
    need.cx += ::GetSystemMetrics(SM_CXMENUCHECK) + metrics.tmAveCharWidth / 2;
  } else if (item.controlClass == res::ControlClass::kButton) {
    need = {need.cx + 2 * (edge + 1), need.cy + 2 * edge};
  } else if (item.controlClass == res::ControlClass::kComboBox) {
    need = {need.cx + ::GetSystemMetrics(SM_CXVSCROLL) + 2 * edge + 2, 0};  // the closed box fits its font
  }
  return need;
}

// Every control inside the client area, none over another, each with room for its text. Gives the
// least room left over (pixels), for the figures.
int ExpectEveryTextFits(HWND dialog, const res::DialogTemplate& table, const std::string& where) {
  RECT client{};
  ::GetClientRect(dialog, &client);
  std::vector<RECT> placed;
  int slack = 1 << 20;
  HWND control = ::GetWindow(dialog, GW_CHILD);
  for (const res::ControlTemplate& item : table.controls) {
    if (control == nullptr) {
      ADD_FAILURE() << where << ": fewer controls than the template";
      break;
    }
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    const std::string name = where + ", control " + std::to_string(item.id) + " at " + std::to_string(rect.left) +
                             "," + std::to_string(rect.top);
    if (item.controlClass != res::ControlClass::kComboBox) {  // a list's rectangle holds its open list
      RECT inside{};
      EXPECT_TRUE(::IntersectRect(&inside, &rect, &client) && ::EqualRect(&inside, &rect)) << name << " leaves the dialog";
      for (const RECT& other : placed) EXPECT_FALSE(::IntersectRect(&inside, &rect, &other)) << name << " overlaps";
      placed.push_back(rect);
    }
    if (!item.columns.empty()) {
      const int columns = ColumnSlack(control, item);
      EXPECT_GE(columns, 0) << name << " cuts a column's header";
      slack = std::min(slack, columns);
    }
    const SIZE need = RoomNeeded(control, item, rect.right - rect.left);
    if (need.cx > 0) {
      EXPECT_LE(need.cx, rect.right - rect.left) << name << " cuts its text";
      EXPECT_LE(need.cy, rect.bottom - rect.top) << name << " cuts its text";
      slack = std::min<int>({slack, rect.right - rect.left - need.cx, rect.bottom - rect.top - need.cy});
    }
    control = ::GetWindow(control, GW_HWNDNEXT);
  }
  return slack;
}

// 96 dpi as the dialog manager lays the template out; 144 dpi as the program lays it out again when
// the window moves to a monitor of that resolution.
TEST(Win32FitCheck, EveryTextHasRoomInEveryLanguageAt96And144Dpi) {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  ASSERT_TRUE(::InitCommonControlsEx(&controls));
  std::vector<const res::Translation*> languages = {nullptr};
  for (const res::Translation& translation : res::Translations()) languages.push_back(&translation);
  for (const res::Translation* language : languages) {
    const WORD windowsLanguage = language != nullptr ? language->windowsLanguages.front() : 0x0409;
    for (const res::DialogTemplate* table : {&res::MainDialogTemplate(language), &res::AboutBoxTemplate(language),
                                             &res::CharacterDetailsTemplate(language)}) {
      const auto bytes = Resource(RT_DIALOG, table->id, windowsLanguage);
      const std::unique_ptr<HWND__, decltype(&::DestroyWindow)> dialog(
          ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(bytes.data()),
                                       nullptr, PlainDialogProc, 0),
          &::DestroyWindow);
      ASSERT_NE(dialog, nullptr) << "no dialog (is there a display?), error " << ::GetLastError();
      app::win32::ApplyDialogInitData(dialog.get(), app::win32::ParseDialogInitData(Resource(
                                                        MAKEINTRESOURCEW(app::win32::kDialogInitType), table->id,
                                                        windowsLanguage)));
      res::SetUiLanguage(language);
      const std::u16string status = test::LongestStatusLine();
      app::win32::AddListColumns(dialog.get(), *table);
      res::SetUiLanguage(nullptr);
      ::SetDlgItemTextW(dialog.get(), IDC_STATUS_LINE, std::wstring(status.begin(), status.end()).c_str());
      app::win32::DpiLayout layout(dialog.get(), *table);
      for (const int dpi : {96, 144}) {
        if (dpi != 96) {  // as a move to another monitor: Windows suggests the window scaled by the dpis' ratio
          RECT shown{};
          ::GetWindowRect(dialog.get(), &shown);
          const RECT suggested{0, 0, (shown.right - shown.left) * dpi / 96, (shown.bottom - shown.top) * dpi / 96};
          layout.Apply(dpi, 0, &suggested);
        }
        const std::string where = std::string(language != nullptr ? language->code : res::kEnglishCode) +
                                  " dialog " + std::to_string(table->id) + " at " + std::to_string(dpi) + " dpi";
        const int slack = ExpectEveryTextFits(dialog.get(), *table, where);
        RECT client{};
        ::GetClientRect(dialog.get(), &client);
        std::cout << where << ": " << client.right << "x" << client.bottom << " px, least room left " << slack << " px\n";
      }
    }
  }
}

}  // namespace
}  // namespace hexcribe
