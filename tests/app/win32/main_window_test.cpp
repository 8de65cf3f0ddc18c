// The Win32 front end driven in-process: a real dialog 102 with recording services; every event
// row, the start-up and shutdown orders, the key filter, the window menu, the icon and the clipboard.
#include "platform/win32/windows_api.h"

#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/unique_handles.h"
#include "dialog_cases.h"
#include "recording_services.h"
#include "app/win32/dpi_layout.h"
#include "app/win32/input_box_menu.h"
#include "app/win32/main_window.h"
#include "core/command_builder.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "res/resource.h"
#include "ui/dialog_services.h"
#include "ui/dialog_units.h"

namespace hexcribe {
namespace {

using app::win32::MainWindow;

std::u16string Text(HWND window) {
  std::wstring buffer(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  buffer.resize(static_cast<std::size_t>(::GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()))));
  return std::u16string(buffer.begin(), buffer.end());
}

std::u16string ItemText(HWND combo, int index) {
  const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return u"<none>";
  std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
  ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(length));
  return std::u16string(buffer.begin(), buffer.end());
}

// Delivers everything posted so far through the dialog's own message handling.
void Pump(MainWindow& window) {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) window.ProcessMessage(message);
}

// A change a user makes, reported by the control as it would be after a click or a keystroke.
void SelectListItem(HWND dialog, int id, int index) {
  ::SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void Click(HWND dialog, int id) { ::SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }

// Replaces the input box's text the way typing does (the box reports EN_CHANGE).
void Type(HWND dialog, const wchar_t* text) {
  ::SendDlgItemMessageW(dialog, IDC_INPUT_EDIT, EM_SETSEL, 0, -1);
  ::SendDlgItemMessageW(dialog, IDC_INPUT_EDIT, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

std::optional<std::string> ClipboardTextBlock() {
  if (!::OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::string> result;
  if (const HANDLE block = ::GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(::GlobalLock(block))) {
      result = std::string(bytes, ::GlobalSize(block));
      ::GlobalUnlock(block);
    }
  }
  ::CloseClipboard();
  return result;
}

std::u16string FaceOf(HFONT font) {
  LOGFONTW logFont{};
  if (font == nullptr || ::GetObjectW(font, sizeof logFont, &logFont) == 0) return u"<no font>";
  const std::wstring face = logFont.lfFaceName;
  return std::u16string(face.begin(), face.end());
}

class Win32MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window.Create()) << "no dialog window (is there a display?), error " << ::GetLastError();
    dialog = window.hwnd();
  }

  // The recording services with the system's clipboard and glyph maps, a saved face and text.
  struct Services : test::RecordingServices {
    Services() {
      UseSystemDesktop();
      faces = {u"Arial", u"Arial Black", u"NanumGothic", u"Tahoma"};
      store = {{u"uni_font", u"tahoma"}, {u"mlang_text", u"AB"}};
    }
  } services;
  MainWindow window{::GetModuleHandleW(nullptr), services};
  HWND dialog = nullptr;
};

TEST_F(Win32MainWindowTest, StartUpRunsInOrderAndRestoresTheSettings) {
  const std::vector<std::string> expected = {
      "svc CreateSettingsFolder",
      "svc TitleText",
      "svc FontFaces",
      "svc FaceShownForDefault Tahoma",
      "svc Read gen/uni_font default=Tahoma size=0 plain file=/settings/setting.ini",
      "svc CanonicalFaceName tahoma",
      "svc FaceGlyphCoverage Tahoma",
      "svc Read gen/mlang_text default= size=131069 hex file=/settings/setting.ini",
  };
  EXPECT_EQ(services.log, expected);
  EXPECT_EQ(Text(dialog), u"Hexcribe v1.00");

  const HWND separation = ::GetDlgItem(dialog, IDC_SEPARATION_COMBO);
  ASSERT_EQ(::SendMessageW(separation, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(ItemText(separation, 0), u"Space");
  EXPECT_EQ(ItemText(separation, 1), u"No Space");
  EXPECT_EQ(ItemText(separation, 2), u"Comma");
  EXPECT_EQ(ItemText(separation, 3), u"Hyphen");
  EXPECT_EQ(::SendMessageW(separation, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(::IsDlgButtonChecked(dialog, IDC_WHOLE_COMMAND), BST_CHECKED);

  // The faces in order; the saved "tahoma" selects "Tahoma" (prefix, any case).
  const HWND fonts = ::GetDlgItem(dialog, IDC_FONT_COMBO);
  ASSERT_EQ(::SendMessageW(fonts, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(ItemText(fonts, 2), u"NanumGothic");
  EXPECT_EQ(Text(fonts), u"Tahoma");
  const HWND input = ::GetDlgItem(dialog, IDC_INPUT_EDIT);
  EXPECT_EQ(FaceOf(reinterpret_cast<HFONT>(::SendMessageW(input, WM_GETFONT, 0, 0))), u"Tahoma");

  EXPECT_EQ(Text(input), u"AB");
  EXPECT_EQ(Text(::GetDlgItem(dialog, IDC_RESULT_EDIT)), u"Print 'U::41 00 42 00';");
}

TEST_F(Win32MainWindowTest, SavedFaceListedFirstIsSelectedItself) {
  // "Arial" is item 0 and "Arial Black" item 1: the control's search covers the
  // whole list from item 0, so the saved face stays "Arial".
  window.Destroy();
  services.store[u"uni_font"] = u"Arial";
  ASSERT_TRUE(window.Create());
  EXPECT_EQ(Text(::GetDlgItem(window.hwnd(), IDC_FONT_COMBO)), u"Arial");
}

TEST_F(Win32MainWindowTest, EveryEventRowRegeneratesTheResult) {
  const HWND result = ::GetDlgItem(dialog, IDC_RESULT_EDIT);
  struct Step {
    const char* what;
    void (*act)(HWND);
    const char16_t* expected;
  };
  const std::vector<Step> steps = {
      {"typing", [](HWND d) { Type(d, L"A"); }, u"Print 'U::41 00';"},
      {"unchecking Whole Command", [](HWND d) { Click(d, IDC_WHOLE_COMMAND); }, u"41 00"},
      {"choosing Hyphen", [](HWND d) { SelectListItem(d, IDC_SEPARATION_COMBO, 3); }, u"41-00"},
      {"choosing No Space", [](HWND d) { SelectListItem(d, IDC_SEPARATION_COMBO, 1); }, u"4100"},
      {"checking Whole Command", [](HWND d) { Click(d, IDC_WHOLE_COMMAND); }, u"Print 'U::4100';"},
      {"typing Hangul", [](HWND d) { Type(d, L"\uD55C"); }, u"Print 'U::5CD5';"},
      {"choosing Comma", [](HWND d) { SelectListItem(d, IDC_SEPARATION_COMBO, 2); }, u"Print 'U::5C,D5';"},
      {"choosing a face", [](HWND d) { SelectListItem(d, IDC_FONT_COMBO, 2); }, u"Print 'U::5C,D5';"},
  };
  for (const Step& step : steps) {
    ::SetWindowTextW(result, L"edited by hand");
    step.act(dialog);
    EXPECT_EQ(Text(result), step.expected) << step.what;
  }
  // The face change reached the input box only.
  const HWND input = ::GetDlgItem(dialog, IDC_INPUT_EDIT);
  EXPECT_EQ(FaceOf(reinterpret_cast<HFONT>(::SendMessageW(input, WM_GETFONT, 0, 0))), u"NanumGothic");
  EXPECT_NE(::SendMessageW(result, WM_GETFONT, 0, 0), ::SendMessageW(input, WM_GETFONT, 0, 0));
  EXPECT_FALSE(window.ended());
}

TEST_F(Win32MainWindowTest, StatusLineFollowsTextAndFaceFromTheFontsOwnMap) {
  services.faces = {u"DejaVu Sans", u"NanumGothic", u"MS Sans Serif"};
  window.Destroy();
  ASSERT_TRUE(window.Create());
  dialog = window.hwnd();
  std::vector<test::StatusLineCase> cases = test::StatusLineCases();
  // A raster font: its code page is its map.
  cases.push_back({"Hangul in a raster face", u"MS Sans Serif", u"\uD55C", u"Characters: 1; Bytes: 2; No glyph in font: 1"});
  for (const test::StatusLineCase& c : cases) {
    const std::wstring face(c.face.begin(), c.face.end()), input(c.input.begin(), c.input.end());
    SelectListItem(dialog, IDC_FONT_COMBO,
                   static_cast<int>(::SendDlgItemMessageW(dialog, IDC_FONT_COMBO, CB_FINDSTRINGEXACT, WPARAM(-1),
                                                          reinterpret_cast<LPARAM>(face.c_str()))));
    Type(dialog, input.c_str());
    EXPECT_EQ(Text(::GetDlgItem(dialog, IDC_STATUS_LINE)), c.status) << c.name;
  }
}

// A menu's items as a user sees them: command, text, and whether it can be chosen.
struct MenuLine {
  UINT command;
  std::u16string text;
  bool enabled;
};
std::vector<MenuLine> Lines(HMENU menu) {
  std::vector<MenuLine> lines;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    lines.push_back({::GetMenuItemID(menu, i), std::u16string(text, text + std::wcslen(text)),
                     (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) == 0});
  }
  return lines;
}

TEST_F(Win32MainWindowTest, InputBoxMenuPastesCommandsAsTextAfterPaste) {
  using Menu = app::win32::InputBoxMenu;
  ASSERT_NE(window.inputMenu(), nullptr);
  const HWND input = ::GetDlgItem(dialog, IDC_INPUT_EDIT);
  const auto limit = static_cast<std::size_t>(::SendMessageW(input, EM_GETLIMITTEXT, 0, 0));
  for (test::PasteCommandCase c : test::PasteCommandCases()) {
    // A box one unit short of its limit, in short lines: Wine's edit control lays out a paragraph
    // in time growing with the square of its length, so one long paragraph takes half a minute.
    if (c.before.empty()) {
      while (c.before.size() + 80 < limit) c.before += std::u16string(78, u'x') + u"\r\n";
      c.before.resize(limit - 1, u'x');
    }
    Type(dialog, std::wstring(c.before.begin(), c.before.end()).c_str());
    ::SendMessageW(input, EM_SETSEL, 1, 1);
    ASSERT_TRUE(platform::PutTextOnClipboard(c.clipboard));
    const platform::win32::UniqueMenu composed = window.inputMenu()->Compose(-1);
    ASSERT_TRUE(composed) << c.name;
    const std::vector<MenuLine> lines = Lines(composed.get());
    const auto at = std::find_if(lines.begin(), lines.end(), [](const MenuLine& l) { return l.command == Menu::kPasteCommand; });
    ASSERT_TRUE(at != lines.end() && at != lines.begin()) << c.name;
    EXPECT_EQ(std::prev(at)->command, static_cast<UINT>(WM_PASTE)) << c.name;
    EXPECT_EQ(at->enabled, c.enabled) << c.name;
    window.inputMenu()->Dispatch(Menu::kPasteCommand, -1);
    EXPECT_TRUE(Text(input) == c.before.substr(0, 1) + c.inserted + c.before.substr(1)) << c.name;
  }
}

// The input box's menu is the system's edit menu (the one user32 holds for every edit box, in the
// system's language) with "Paste Command as Text" after Paste in the program's language; the
// states are the control's own; the system's commands work directly and through the control's menu.
TEST_F(Win32MainWindowTest, InputBoxMenuIsTheSystemsEditMenuWithOursAfterPaste) {
  using Menu = app::win32::InputBoxMenu;
  ASSERT_NE(window.inputMenu(), nullptr);
  Menu& menu = *window.inputMenu();
  const HWND input = ::GetDlgItem(dialog, IDC_INPUT_EDIT);
  const platform::win32::UniqueMenu resource(::LoadMenuW(::GetModuleHandleW(L"user32.dll"), L"EDITMENU"));
  ASSERT_TRUE(resource) << "Wine's user32 names its edit menu EDITMENU";
  std::vector<MenuLine> expected = Lines(::GetSubMenu(resource.get(), 0));
  const auto paste = std::find_if(expected.begin(), expected.end(), [](const MenuLine& l) { return l.command == WM_PASTE; });
  ASSERT_TRUE(paste != expected.end());
  expected.insert(std::next(paste),
                  {{Menu::kPasteCommand, std::u16string(res::LoadResourceString(IDS_PASTE_COMMAND_AS_TEXT)), true},
                   {Menu::kCharacterDetails, std::u16string(res::LoadResourceString(IDS_CHARACTER_DETAILS)), true},
                   {Menu::kComposeCharacters, std::u16string(res::LoadResourceString(IDS_COMPOSE_CHARACTERS)), false}});
  ASSERT_TRUE(platform::PutTextOnClipboard("41 00"));
  // Caret only, then all selected (once by the menu's command, once chosen in the control's own
  // menu, the way Windows' further entries go): Cut, Copy and Delete need a selection; Select All
  // needs something unselected.
  const auto length = static_cast<DWORD>(::GetWindowTextLengthW(input));
  for (const int way : {0, 1, 2}) {
    ::SendMessageW(input, EM_SETSEL, 1, 1);
    if (way == 1) menu.Dispatch(EM_SETSEL, -1);
    if (way == 2) {
      EXPECT_TRUE(menu.ChooseInOwnMenu(EM_SETSEL, -1));
    }
    DWORD start = 1, end = 1;
    ::SendMessageW(input, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, way == 0 ? 0 : length) << way;
    const platform::win32::UniqueMenu composed = menu.Compose(-1);
    ASSERT_TRUE(composed) << way;
    const std::vector<MenuLine> lines = Lines(composed.get());
    ASSERT_EQ(lines.size(), expected.size()) << way;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].command, expected[i].command) << way << " item " << i;
      EXPECT_EQ(lines[i].text, expected[i].text) << way << " item " << i;
      const UINT command = lines[i].command;
      const bool needsSelection = command == WM_CUT || command == WM_COPY || command == WM_CLEAR;
      if (needsSelection || command == EM_SETSEL) {
        EXPECT_EQ(lines[i].enabled, needsSelection == (way != 0)) << way << " item " << i;
      }
    }
  }
  EXPECT_FALSE(menu.ChooseInOwnMenu(Menu::kPasteCommand, -1)) << "not a command of the control's menu";
}

// The text of a list view's cell, as the list asks the program for it.
std::u16string CellText(HWND list, std::size_t row, int column) {
  wchar_t text[256] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 256;
  const auto length = ::SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return std::u16string(text, text + length);
}

TEST_F(Win32MainWindowTest, CharacterDetailsFollowTheTextAndAChosenRowSelectsItsCharacter) {
  using Menu = app::win32::InputBoxMenu;
  services.faces = {u"DejaVu Sans"};
  window.Destroy();
  ASSERT_TRUE(window.Create());
  dialog = window.hwnd();
  window.inputMenu()->Dispatch(Menu::kCharacterDetails, -1);
  const HWND details = window.detailsWindow();
  ASSERT_NE(details, nullptr);
  EXPECT_TRUE(::IsWindowVisible(details));
  EXPECT_EQ(::GetWindow(details, GW_OWNER), dialog);  // modeless beside the dialog
  const HWND list = ::GetDlgItem(details, IDC_CHARACTER_LIST);
  const HWND input = ::GetDlgItem(dialog, IDC_INPUT_EDIT);
  for (const test::CharacterDetailsCase& c : test::CharacterDetailsCases()) {
    SelectListItem(dialog, IDC_FONT_COMBO, 0);
    SelectListItem(dialog, IDC_SEPARATION_COMBO, c.separation);
    Type(dialog, std::wstring(c.input.begin(), c.input.end()).c_str());
    ASSERT_EQ(static_cast<std::size_t>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)), c.firstRow + c.rows.size())
        << c.name;
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
      EXPECT_EQ(test::JoinedRow([&](int column) { return CellText(list, c.firstRow + i, column); }), c.rows[i])
          << c.name;
    }
    // The user selects the row in the list.
    ::SetFocus(list);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list, LVM_SETITEMSTATE, c.chosen, reinterpret_cast<LPARAM>(&state));
    DWORD start = 0, end = 0;
    ::SendMessageW(input, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ((ui::TextSelection{start, end}), c.selected) << c.name;
  }
  // A move to a monitor of 144 dpi lays it out again, its columns too.
  const auto narrow = ::SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0);
  RECT shown{};
  ::GetWindowRect(details, &shown);
  const RECT suggested{0, 0, (shown.right - shown.left) * 3 / 2, (shown.bottom - shown.top) * 3 / 2};
  ::SendMessageW(details, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_GT(::SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), narrow * 4 / 3);
  // Escape hides it until it is opened again.
  ::SendMessageW(details, WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(::IsWindowVisible(details));
}

TEST_F(Win32MainWindowTest, InputBoxMenuComposesCharactersAsOneStepOfUndo) {
  using Menu = app::win32::InputBoxMenu;
  const HWND input = ::GetDlgItem(dialog, IDC_INPUT_EDIT);
  for (const test::ComposeCase& c : test::ComposeCases()) {
    Type(dialog, std::wstring(c.input.begin(), c.input.end()).c_str());
    ::SendMessageW(input, EM_EMPTYUNDOBUFFER, 0, 0);
    ::SendMessageW(input, EM_SETSEL, c.cursor, static_cast<LPARAM>(c.cursor));
    const platform::win32::UniqueMenu composed = window.inputMenu()->Compose(-1);
    ASSERT_TRUE(composed) << c.name;
    const std::vector<MenuLine> lines = Lines(composed.get());
    const auto at = std::find_if(lines.begin(), lines.end(), [](const MenuLine& l) { return l.command == Menu::kComposeCharacters; });
    ASSERT_TRUE(at != lines.end()) << c.name;
    EXPECT_EQ(at->enabled, c.enabled) << c.name;
    if (c.enabled) window.inputMenu()->Dispatch(Menu::kComposeCharacters, -1);
    EXPECT_EQ(Text(input), c.composed) << c.name;
    DWORD start = 0, end = 0;
    ::SendMessageW(input, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end, c.composedCursor) << c.name;
    const std::string command = BuildCommand(c.composed, Separator::kSpace, true);
    EXPECT_EQ(Text(::GetDlgItem(dialog, IDC_RESULT_EDIT)), std::u16string(command.begin(), command.end())) << c.name;
    ::SendMessageW(input, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(input), c.input) << c.name;
  }
}

TEST_F(Win32MainWindowTest, CopyPutsTheRegeneratedCommandOnTheClipboardWithItsZero) {
  Type(dialog, L"A");
  ::SetDlgItemTextW(dialog, IDC_RESULT_EDIT, L"typed into the result box");
  Click(dialog, IDC_COPY_CLIPBOARD);
  const std::string command = "Print 'U::41 00';";
  EXPECT_EQ(Text(::GetDlgItem(dialog, IDC_RESULT_EDIT)), u"Print 'U::41 00';");
  const std::optional<std::string> block = ClipboardTextBlock();
  ASSERT_TRUE(block.has_value());
  ASSERT_GE(block->size(), command.size() + 1);
  EXPECT_EQ(block->substr(0, command.size() + 1), command + '\0');

  // An empty command (no text, numbers only) empties the clipboard.
  Type(dialog, L"");
  Click(dialog, IDC_WHOLE_COMMAND);
  Click(dialog, IDC_COPY_CLIPBOARD);
  EXPECT_FALSE(::IsClipboardFormatAvailable(CF_TEXT));
}

TEST_F(Win32MainWindowTest, EnterAndEscapeAreSwallowedBeforeAnyControl) {
  const HWND input = ::GetDlgItem(dialog, IDC_INPUT_EDIT);
  ::SetFocus(input);
  ::SendMessageW(input, EM_SETSEL, 2, 2);
  for (const WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}}) {
    MSG message{input, WM_KEYDOWN, key, 1, 0, {}};
    EXPECT_TRUE(window.PreTranslateMessage(message));
    message.hwnd = dialog;
    EXPECT_TRUE(window.PreTranslateMessage(message));
    ::PostMessageW(input, WM_KEYDOWN, key, 1);
    ::PostMessageW(input, WM_KEYUP, key, 0xC0000001);
  }
  // A letter goes through, which shows that the posted keys were delivered.
  ::PostMessageW(input, WM_KEYDOWN, 'C', 1);
  ::PostMessageW(input, WM_KEYUP, 'C', 0xC0000001);
  Pump(window);
  EXPECT_FALSE(window.ended());
  EXPECT_EQ(Text(input), u"ABc");
  EXPECT_FALSE(window.PreTranslateMessage(MSG{input, WM_KEYDOWN, 'C', 1, 0, {}}));
  EXPECT_FALSE(window.PreTranslateMessage(MSG{input, WM_CHAR, VK_RETURN, 1, 0, {}}));
}

// The arrow keys move within the template's groups and never stop on a label; lists and text
// boxes keep them for themselves.
TEST_F(Win32MainWindowTest, ArrowKeysMoveWithinTheGroupPassingOverLabels) {
  struct Row {
    int from;
    WPARAM key;
    int to;
  };
  const Row rows[] = {
      {IDC_WHOLE_COMMAND, VK_DOWN, IDC_SEPARATION_COMBO}, {IDC_CLOSE, VK_DOWN, IDC_INPUT_EDIT},
      {IDC_COPY_CLIPBOARD, VK_UP, IDC_INPUT_EDIT},        {IDC_WHOLE_COMMAND, VK_LEFT, IDC_RESULT_EDIT},
      {IDC_COPY_CLIPBOARD, VK_RIGHT, IDC_CLOSE},          {IDC_SEPARATION_COMBO, VK_DOWN, IDC_SEPARATION_COMBO},
  };
  for (const Row& row : rows) {
    const HWND from = ::GetDlgItem(dialog, row.from);
    ::SetFocus(from);
    ::PostMessageW(from, WM_KEYDOWN, row.key, 1);
    ::PostMessageW(from, WM_KEYUP, row.key, static_cast<LPARAM>(0xC0000001));
    Pump(window);
    EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), row.to) << row.from << " key " << row.key;
  }
}

// A control's name through oleacc, as a screen reader asks. (__uuidof: the IID_IAccessible of
// mingw-w64's import library holds another interface's id.)
std::u16string AccessibleName(HWND control) {
  IAccessible* accessible = nullptr;
  BSTR name = nullptr;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  if (SUCCEEDED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&accessible)))) {
    accessible->get_accName(self, &name);
    accessible->Release();
  }
  std::u16string result(name, name + ::SysStringLen(name));
  ::SysFreeString(name);
  return result;
}

TEST_F(Win32MainWindowTest, EachListAndTextBoxFollowsTheStaticThatNamesIt) {
  const res::DialogTemplate& main = res::MainDialogTemplate();
  int labelled = 0;
  for (const res::ControlTemplate& control : main.controls) {
    const res::ControlTemplate* label = res::LabelOf(main, control.id);
    if (label == nullptr) continue;
    ++labelled;
    const HWND box = ::GetDlgItem(dialog, control.id);
    const HWND before = ::GetWindow(box, GW_HWNDPREV);
    wchar_t className[16] = {};
    ::GetClassNameW(before, className, 16);
    EXPECT_EQ(_wcsicmp(className, L"Static"), 0) << control.id;
    EXPECT_EQ(Text(before), label->text) << control.id;
    // Wine's accessibility layer names text boxes by this rule (Windows lists too).
    if (control.controlClass == res::ControlClass::kEdit) {
      EXPECT_EQ(AccessibleName(box), label->text);
    }
  }
  EXPECT_EQ(labelled, 4);
}

TEST_F(Win32MainWindowTest, WindowMenuEndsWithASeparatorAndTheAboutEntry) {
  const HMENU menu = ::GetSystemMenu(dialog, FALSE);
  ASSERT_NE(menu, nullptr);
  const int count = ::GetMenuItemCount(menu);
  ASSERT_GE(count, 2);
  MENUITEMINFOW separator{};
  separator.cbSize = sizeof separator;
  separator.fMask = MIIM_FTYPE;
  ASSERT_TRUE(::GetMenuItemInfoW(menu, static_cast<UINT>(count - 2), TRUE, &separator));
  EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
  EXPECT_EQ(::GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
  wchar_t text[64] = {};
  ::GetMenuStringW(menu, static_cast<UINT>(count - 1), text, 64, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(text), L"&About Hexcribe...");
}

// The dialog is made from the resources of the user's UI language, which Windows' loader picks
// (Wine takes it from LANG or LC_MESSAGES): HEXCRIBE_EXPECTED_LANGUAGE names it where CTest sets a
// locale, English otherwise. The program's own texts (the window menu's entry) follow the same
// language, and the list items read right whatever the ANSI code page.
TEST_F(Win32MainWindowTest, TextsComeFromTheResourcesOfTheUsersLanguage) {
  const char* expected = std::getenv("HEXCRIBE_EXPECTED_LANGUAGE");
  const res::Translation* language = res::UiLanguage();
  EXPECT_EQ(language != nullptr ? language->code : res::kEnglishCode, expected != nullptr ? expected : "en");
  const res::DialogTemplate& table = res::MainDialogTemplate(language);
  HWND control = ::GetWindow(dialog, GW_CHILD);
  for (const res::ControlTemplate& item : table.controls) {
    ASSERT_NE(control, nullptr);
    if (!item.text.empty()) {
      EXPECT_EQ(Text(control), item.text) << item.id;
    }
    control = ::GetWindow(control, GW_HWNDNEXT);
  }
  const HWND separation = ::GetDlgItem(dialog, IDC_SEPARATION_COMBO);
  int index = 0;
  for (const int textId : table.initialData.front().textIds) {
    EXPECT_EQ(ItemText(separation, index++), res::LoadResourceString(textId, language));
  }
  const HMENU menu = ::GetSystemMenu(dialog, FALSE);
  wchar_t text[64] = {};
  ::GetMenuStringW(menu, static_cast<UINT>(::GetMenuItemCount(menu) - 1), text, 64, MF_BYPOSITION);
  EXPECT_EQ(std::u16string(text, text + std::wcslen(text)), res::LoadResourceString(IDS_ABOUTBOX, language));
}

// While the About box runs its own modal loop, a timer looks at it and presses Enter there.
HWND g_aboutSeen = nullptr;
std::u16string g_aboutText;
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND about = ::FindWindowW(nullptr, L"About Hexcribe");
  if (about == nullptr) return;
  ::KillTimer(nullptr, timer);
  g_aboutSeen = about;
  wchar_t line[64] = {};
  ::GetWindowTextW(::GetWindow(::GetWindow(about, GW_CHILD), GW_HWNDNEXT), line, 64);
  g_aboutText = std::u16string(line, line + std::wcslen(line));
  // Enter on the About box presses its default button, OK.
  ::PostMessageW(::GetDlgItem(about, IDOK), WM_KEYDOWN, VK_RETURN, 1);
}

TEST_F(Win32MainWindowTest, AboutEntryOpensTheAboutBoxWhichEnterCloses) {
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, CloseAboutBox);
  ASSERT_NE(timer, 0u);
  const UINT_PTR safety = ::SetTimer(nullptr, 0, 10000, [](HWND, UINT, UINT_PTR t, DWORD) {
    ::KillTimer(nullptr, t);
    if (const HWND about = ::FindWindowW(nullptr, L"About Hexcribe")) ::EndDialog(about, IDCANCEL);
  });
  ::SendMessageW(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
  ::KillTimer(nullptr, safety);
  EXPECT_NE(g_aboutSeen, nullptr);
  EXPECT_EQ(g_aboutText, u"Hexcribe Version 1.0");
  EXPECT_FALSE(::IsWindow(g_aboutSeen));
  EXPECT_FALSE(window.ended());
}

TEST_F(Win32MainWindowTest, AnswersTheDragIconAndCarriesBothIcons) {
  const auto dragIcon = reinterpret_cast<HICON>(::SendMessageW(dialog, WM_QUERYDRAGICON, 0, 0));
  EXPECT_NE(dragIcon, nullptr);
  EXPECT_NE(::SendMessageW(dialog, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(::SendMessageW(dialog, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(Win32MainWindowTest, ShutdownSavesFaceAndTextThenReleasesTheFont) {
  SelectListItem(dialog, IDC_FONT_COMBO, 2);
  std::wstring longText(300, L'x');
  Type(dialog, longText.c_str());
  const HWND input = ::GetDlgItem(dialog, IDC_INPUT_EDIT);
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(input, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  services.log.clear();

  window.Destroy();
  const std::vector<std::string> expected = {
      "svc Write gen/uni_font=NanumGothic plain file=/settings/setting.ini",
      "svc Write gen/mlang_text=" + std::string(300, 'x') + " hex file=/settings/setting.ini"};
  EXPECT_EQ(services.log, expected);
  EXPECT_EQ(::GetObjectType(font), 0u) << "display font still alive";
  EXPECT_TRUE(window.ended());
  EXPECT_EQ(window.hwnd(), nullptr);
}

// A move to a monitor with another DPI: the window takes the suggested
// rectangle, the display font is made for the new DPI and the controls are
// laid out again; back at the first DPI the layout is the dialog manager's own.
TEST_F(Win32MainWindowTest, DpiChangeTakesTheSuggestedRectangleAndScalesFontAndLayout) {
  const auto controlRect = [&](int id) {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(dialog, id), &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  };
  const auto fontHeight = [&](int id) {
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendDlgItemMessageW(dialog, id, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
  };
  const int firstDpi = app::win32::WindowDpi(dialog);
  const RECT copyAtFirst = controlRect(IDC_COPY_CLIPBOARD);
  const int copyWidth = copyAtFirst.right - copyAtFirst.left;
  for (const int dpi : {firstDpi * 2, firstDpi * 3 / 2, firstDpi}) {
    const RECT suggested{40, 30, 40 + 600 * dpi / 96, 30 + 650 * dpi / 96};
    ::SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT shown{};
    ::GetWindowRect(dialog, &shown);
    EXPECT_TRUE(::EqualRect(&shown, &suggested)) << dpi;
    EXPECT_EQ(fontHeight(IDC_INPUT_EDIT), ui::FontHeightForDpi(26, dpi)) << dpi;
    const RECT copy = controlRect(IDC_COPY_CLIPBOARD);
    EXPECT_NEAR(copy.right - copy.left, copyWidth * dpi / firstDpi, 4) << dpi;
    EXPECT_NE(fontHeight(IDC_COPY_CLIPBOARD), 0) << dpi;
  }
  const RECT copy = controlRect(IDC_COPY_CLIPBOARD);
  EXPECT_TRUE(::EqualRect(&copy, &copyAtFirst));
  // A suggestion too small for the layout: the window grows until the bottom row is in it.
  const RECT small{40, 30, 140, 130};
  ::SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(firstDpi, firstDpi), reinterpret_cast<LPARAM>(&small));
  RECT client{};
  ::GetClientRect(dialog, &client);
  EXPECT_LE(controlRect(IDC_CLOSE).bottom, client.bottom);
  EXPECT_LE(controlRect(IDC_CLOSE).right, client.right);
}

// The real loop: keys posted as a user's would arrive; the closing action comes
// from a timer, once the queue is empty, so that anything the keys set off
// (a control closing its dialog) would have happened before it.
MSG g_closingAction{};
void CALLBACK PostClosingAction(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  ::PostMessageW(g_closingAction.hwnd, g_closingAction.message, g_closingAction.wParam, g_closingAction.lParam);
}

TEST_F(Win32MainWindowTest, ModalLoopEndsOnlyThroughCloseOrTheCloseBox) {
  struct LoopCase {
    const char* name;
    WPARAM key;
    UINT closeMessage;
    WPARAM closeParam;
    int expectedResult;
  };
  const std::vector<LoopCase> cases = {
      {"Escape, then Close", VK_ESCAPE, WM_COMMAND, MAKEWPARAM(IDC_CLOSE, BN_CLICKED), IDOK},
      {"Enter, then the close box", VK_RETURN, WM_SYSCOMMAND, SC_CLOSE, IDCANCEL},
  };
  for (const LoopCase& c : cases) {
    if (window.hwnd() == nullptr) {
      ASSERT_TRUE(window.Create());
    }
    services.store.erase(u"mlang_text");  // read by Create; written again at the close
    const HWND input = ::GetDlgItem(window.hwnd(), IDC_INPUT_EDIT);
    ::SetFocus(input);
    ::PostMessageW(input, WM_KEYDOWN, c.key, 1);
    ::PostMessageW(input, WM_KEYUP, c.key, 0xC0000001);
    g_closingAction = MSG{window.hwnd(), c.closeMessage, c.closeParam, 0, 0, {}};
    ASSERT_NE(::SetTimer(nullptr, 0, 100, PostClosingAction), 0u);
    EXPECT_EQ(window.RunModal(), c.expectedResult) << c.name;
    EXPECT_EQ(services.store[u"mlang_text"], u"AB") << c.name;
    EXPECT_EQ(window.hwnd(), nullptr) << c.name;
  }
}

}  // namespace
}  // namespace hexcribe
