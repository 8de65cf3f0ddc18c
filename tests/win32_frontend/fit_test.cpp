// The fit check of the Windows dialogs: every language's main dialog and About box, made from that
// language's resources at 96 and at 144 dpi, with each control's text measured in the control's own
// font (GetTextExtentPoint32, DrawText for wrapping labels) against the control's rectangle; the
// status line with its longest message.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/win32/dialog_init_data.h"
#include "app/win32/dpi_layout.h"
#include "dialog_cases.h"
#include "res/dialog_templates.h"
#include "res/window_styles.h"

namespace hexcribe {
namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// The dialog of that language's resources, made as the dialog manager makes it; destroyed with this.
const void* Resource(const wchar_t* type, int id, WORD language, DWORD* size = nullptr) {
  const HMODULE self = ::GetModuleHandleW(nullptr);
  const HRSRC info = ::FindResourceExW(self, type, MAKEINTRESOURCEW(id), language);
  const HGLOBAL loaded = info != nullptr ? ::LoadResource(self, info) : nullptr;
  if (size != nullptr) *size = info != nullptr ? ::SizeofResource(self, info) : 0;
  return loaded != nullptr ? ::LockResource(loaded) : nullptr;
}

class ResourceDialog {
 public:
  ResourceDialog(int id, WORD language) {
    if (const void* bytes = Resource(RT_DIALOG, id, language)) {
      hwnd_ = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), static_cast<const DLGTEMPLATE*>(bytes),
                                           nullptr, PlainDialogProc, 0);
    }
    DWORD size = 0;
    const void* items = Resource(MAKEINTRESOURCEW(app::win32::kDialogInitType), id, language, &size);
    if (hwnd_ != nullptr && items != nullptr) {
      app::win32::ApplyDialogInitData(
          hwnd_, app::win32::ParseDialogInitData({static_cast<const std::uint8_t*>(items), size}));
    }
  }
  ~ResourceDialog() {
    if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
  }
  ResourceDialog(const ResourceDialog&) = delete;
  ResourceDialog& operator=(const ResourceDialog&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string Utf8(const std::wstring& text) {
  std::string out(text.size() * 3, '\0');
  out.resize(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                            out.data(), static_cast<int>(out.size()), nullptr,
                                                            nullptr)));
  return out;
}

// The room a control's text needs in its own font, in pixels; {0, 0} for controls without text.
SIZE RoomNeeded(HWND control, const res::ControlTemplate& item, int clientWidth) {
  std::vector<std::wstring> texts;
  if (item.controlClass == res::ControlClass::kComboBox) {
    const auto count = static_cast<int>(::SendMessageW(control, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::wstring text(static_cast<std::size_t>(::SendMessageW(control, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
      text.resize(static_cast<std::size_t>(
          ::SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
      texts.push_back(text);
    }
  } else if (item.controlClass != res::ControlClass::kEdit && item.iconId == 0) {
    texts.push_back(TextOf(control));
  }
  SIZE need{0, 0};
  if (texts.empty() || (texts.size() == 1 && texts[0].empty())) return need;
  const HDC dc = ::GetDC(control);
  const HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  for (const std::wstring& text : texts) {
    SIZE extent{0, 0};
    if (item.controlClass == res::ControlClass::kStatic) {
      // Labels wrap at the control's width as the static control draws them.
      RECT bounds{0, 0, clientWidth, 0};
      ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | ((item.style & res::kSsNoPrefix) ? DT_NOPREFIX : 0));
      extent = {bounds.right, bounds.bottom};
    } else {
      ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    }
    need.cx = std::max(need.cx, extent.cx);
    need.cy = std::max(need.cy, extent.cy);
  }
  ::SelectObject(dc, previous);
  ::ReleaseDC(control, dc);
  // What the control draws beside its text: a check box its box and a gap, a push button its
  // edges and focus rectangle, a drop-down list its edges and its arrow button.
  const int edge = ::GetSystemMetrics(SM_CXEDGE);
  if (item.controlClass == res::ControlClass::kButton) {
    if ((item.style & res::kBsTypeMask) == res::kBsAutoCheckBox) {
      need.cx += ::GetSystemMetrics(SM_CXMENUCHECK) + metrics.tmAveCharWidth / 2;
    } else {
      need.cx += 2 * (edge + 1);
      need.cy += 2 * edge;
    }
  } else if (item.controlClass == res::ControlClass::kComboBox) {
    need.cx += ::GetSystemMetrics(SM_CXVSCROLL) + 2 * edge + 2;
    need.cy = 0;  // the closed box is as high as its font needs
  }
  return need;
}

// Every control inside the client area, none over another, each with room for its text. Gives the
// smallest room left over (pixels), for the figures.
int ExpectEveryTextFits(HWND dialog, const res::DialogTemplate& table, const std::string& where) {
  RECT client{};
  ::GetClientRect(dialog, &client);
  std::vector<RECT> rects;
  int slack = 1 << 20;
  HWND control = ::GetWindow(dialog, GW_CHILD);
  for (const res::ControlTemplate& item : table.controls) {
    if (control == nullptr) {
      ADD_FAILURE() << where << ": the dialog has fewer controls than its template";
      break;
    }
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    const std::string name = where + ", control " + std::to_string(item.id) + " \"" + Utf8(TextOf(control)) + "\"";
    if (item.controlClass != res::ControlClass::kComboBox) {
      EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.right && rect.bottom <= client.bottom)
          << name << " leaves the dialog";
      for (const RECT& other : rects) {
        RECT overlap{};
        EXPECT_FALSE(::IntersectRect(&overlap, &rect, &other)) << name << " overlaps another control";
      }
      rects.push_back(rect);
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const SIZE need = RoomNeeded(control, item, width);
    if (need.cx > 0) {
      EXPECT_LE(need.cx, width) << name << " is cut: needs " << need.cx << " px of " << width;
      EXPECT_LE(need.cy, height) << name << " is cut: needs " << need.cy << " px high of " << height;
      slack = std::min<int>(slack, width - need.cx);
      if (need.cy > 0) slack = std::min<int>(slack, height - need.cy);
    }
    control = ::GetWindow(control, GW_HWNDNEXT);
  }
  return slack;
}

struct Language {
  const res::Translation* translation;  // nullptr: English
  WORD windowsLanguage;
  std::string code;
};

std::vector<Language> Languages() {
  std::vector<Language> languages = {{nullptr, 0x0409, std::string(res::kEnglishCode)}};
  for (const res::Translation& translation : res::Translations()) {
    languages.push_back({&translation, translation.windowsLanguages.front(), std::string(translation.code)});
  }
  return languages;
}

// 96 dpi as the dialog manager lays the template out; 144 dpi as the program lays it out again
// when the window moves to a monitor of that resolution.
TEST(Win32FitCheck, EveryTextHasRoomInEveryLanguageAt96And144Dpi) {
  for (const Language& language : Languages()) {
    for (const res::DialogTemplate* table :
         {&res::MainDialogTemplate(language.translation), &res::AboutBoxTemplate(language.translation)}) {
      const ResourceDialog dialog(table->id, language.windowsLanguage);
      ASSERT_NE(dialog.hwnd(), nullptr) << "no dialog (is there a display?), error " << ::GetLastError();
      res::SetUiLanguage(language.translation);
      const std::u16string status = test::LongestStatusLine();
      res::SetUiLanguage(nullptr);
      ::SetDlgItemTextW(dialog.hwnd(), IDC_STATUS_LINE, std::wstring(status.begin(), status.end()).c_str());
      RECT atFirst{};
      ::GetClientRect(dialog.hwnd(), &atFirst);
      app::win32::DpiLayout layout(dialog.hwnd(), *table);
      for (const int dpi : {96, 144}) {
        if (dpi != 96) {
          // As the program does: the layout for the new dpi, in a window of Windows' suggested size
          // (scaled by the dpis' ratio) or, where the layout needs more, of the layout's size.
          const SIZE needed = layout.Apply(dpi, 0);
          RECT frame{0, 0, std::max<LONG>(atFirst.right * dpi / 96, needed.cx),
                     std::max<LONG>(atFirst.bottom * dpi / 96, needed.cy)};
          ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(dialog.hwnd(), GWL_STYLE)), FALSE,
                               static_cast<DWORD>(::GetWindowLongPtrW(dialog.hwnd(), GWL_EXSTYLE)));
          ::SetWindowPos(dialog.hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
        }
        const std::string where = language.code + " dialog " + std::to_string(table->id) + " at " + std::to_string(dpi);
        const int slack = ExpectEveryTextFits(dialog.hwnd(), *table, where);
        RECT client{};
        ::GetClientRect(dialog.hwnd(), &client);
        std::cout << where << " dpi: " << client.right << "x" << client.bottom << " px, least room left " << slack
                  << " px\n";
      }
    }
  }
}

}  // namespace
}  // namespace hexcribe
