// The portable main dialog driven through an in-memory window: start-up and
// shutdown order, the event table, regeneration, clipboard export, key filter.
#include "ui/main_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/character_map.h"
#include "fake_window.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "dialog_cases.h"
#include "ui/input_limit.h"

namespace hexcribe::ui {
namespace {

using test::RecordingServices;
using test::FakeWindow;

// Keeps the log entries that begin with one of the prefixes.
std::vector<std::string> Only(const std::vector<std::string>& log, std::initializer_list<std::string_view> prefixes) {
  std::vector<std::string> kept;
  for (const std::string& entry : log) {
    for (std::string_view prefix : prefixes) {
      if (entry.starts_with(prefix)) {
        kept.push_back(entry);
        break;
      }
    }
  }
  return kept;
}

// A dialog of its own over the fake window and services, for one row of a table.
struct RowDialog {
  std::vector<std::string> log;
  FakeWindow window{log};
  RecordingServices services{&log};
  MainDialog dialog{window, services};
};

class MainDialogTest : public ::testing::Test {
 protected:
  void Start() {
    ASSERT_TRUE(dialog.OnInitDialog());
    log.clear();
  }
  std::u16string Result() const { return window.RawText(kResultBox); }

  std::vector<std::string> log;
  FakeWindow window{log};
  RecordingServices services{&log};
  MainDialog dialog{window, services};
};

TEST_F(MainDialogTest, StartupRunsEveryStepInOrder) {
  services.store[u"mlang_text"] = u"A";
  ASSERT_TRUE(dialog.OnInitDialog());
  const std::vector<std::string> expected = {
      "AddAboutMenuEntry 16 &About Hexcribe...",
      "SetIcon 128 big",
      "SetIcon 128 small",
      "SetCheck 1003 1",
      "SetCurSel 1004 0",
      "svc CreateSettingsFolder",
      "svc TitleText",
      "SetTitle Hexcribe v1.00",
      "svc FontFaces",
      "svc FaceShownForDefault Tahoma",
      "svc Read gen/uni_font default=Tahoma size=0 plain file=/settings/setting.ini",
      "svc CanonicalFaceName Tahoma",
      "SelectString 1000 -1 Tahoma",
      "CreatePointFont 260 Tahoma",
      "svc FaceGlyphCoverage Tahoma",
      "svc Read gen/mlang_text default= size=131069 hex file=/settings/setting.ini",
      "SetText 1008 A",
      "SetText 1002 Print 'U::41 00';",
      "SetText 1010 Characters: 1; Bytes: 2",
  };
  EXPECT_EQ(Only(log, {"Add", "SetIcon", "SetCheck", "SetCurSel", "svc", "SetTitle", "SelectString", "CreatePointFont",
                       "SetText"}),
            expected);
  EXPECT_EQ(window.InputFace(), u"Tahoma");
  EXPECT_EQ(services.clipboardCalls, 0);
}

TEST_F(MainDialogTest, FirstRunShowsEmptyCommandAndSavesNothingUntilClosed) {
  Start();
  EXPECT_EQ(Result(), u"Print 'U::';");
  EXPECT_EQ(window.RawText(kInputBox), u"");
  EXPECT_TRUE(services.store.empty());
}

TEST_F(MainDialogTest, SavedFaceIsFoundByPrefixCaseAndLocaleName) {
  struct Case {
    std::u16string saved;
    std::u16string selected;  // "" = no selection
    std::vector<std::u16string> faces{u"Arial", u"DejaVu Sans", u"Tahoma"};
  };
  const std::vector<std::u16string> firstIsPrefixOfSecond{u"DejaVu Sans", u"DejaVu Sans Mono", u"DejaVu Serif"};
  const Case cases[] = {
      {u"taho", u"Tahoma"},           // prefix, case ignored
      {u"NanumGothic", u"Tahoma"},    // listed under its local name (alias below)
      {u"Courier", u""},              // not installed: list left without selection
      {u"DejaVu Sans", u"DejaVu Sans"},
      {u"<none>", u"Arial"},          // first start: the face shown in place of the default
      // The first item is the saved face itself, not the longer name after it.
      {u"DejaVu Sans", u"DejaVu Sans", firstIsPrefixOfSecond},
      {u"dejavu sans m", u"DejaVu Sans Mono", firstIsPrefixOfSecond},
  };
  for (const Case& c : cases) {
    std::vector<std::string> caseLog;
    FakeWindow w(caseLog);
    RecordingServices s(&caseLog);
    s.aliases[u"NanumGothic"] = u"Tahoma";
    s.defaultShownAs = u"Arial";
    s.faces = c.faces;
    if (c.saved != u"<none>") s.store[u"uni_font"] = c.saved;
    MainDialog d(w, s);
    d.OnInitDialog();
    EXPECT_EQ(w.RawText(kFontList), c.selected) << test::Show(c.saved);
    // The display font follows the list's text, empty when nothing is selected.
    EXPECT_EQ(w.InputFace(), c.selected) << test::Show(c.saved);
    d.OnDestroy();
    EXPECT_EQ(s.store[u"uni_font"], c.selected) << test::Show(c.saved);
  }
}

TEST_F(MainDialogTest, ShutdownSavesFaceThenTextThenReleasesFontOnce) {
  services.store[u"mlang_text"] = u"old";
  Start();
  window.Select(kFontList, 1);
  window.Type(kInputBox, u"new");
  dialog.OnDestroy();
  const std::vector<std::string> expected = {
      "GetText 1000 0",
      "svc Write gen/uni_font=DejaVu Sans plain file=/settings/setting.ini",
      "GetText 1008 0",
      "svc Write gen/mlang_text=new hex file=/settings/setting.ini",
      "SetText 1008 ",
      "DestroyFont",
  };
  EXPECT_EQ(Only(log, {"GetText", "svc", "SetText", "DestroyFont"}), expected);
  EXPECT_TRUE(window.liveFonts().empty());

  log.clear();
  dialog.OnDestroy();  // a second destruction notice saves nothing
  EXPECT_TRUE(log.empty());
}

TEST_F(MainDialogTest, EveryEventTableRowRunsItsAction) {
  struct Row {
    const char* name;
    int control;
    int notification;
    void (*prepare)(FakeWindow&);
    std::u16string result;
  };
  // Each row starts with "A" typed into the input box.
  const Row rows[] = {
      {"input changed", kInputBox, kEditChange, [](FakeWindow&) {}, u"Print 'U::41 00';"},
      {"check box clicked", kWholeCommand, kButtonClicked, [](FakeWindow& w) { w.Check(kWholeCommand, 0); }, u"41 00"},
      {"separator chosen", kSeparationList, kSelectionChange, [](FakeWindow& w) { w.Select(kSeparationList, 3); },
       u"Print 'U::41-00';"},
      {"font chosen", kFontList, kSelectionChange, [](FakeWindow& w) { w.Select(kFontList, 0); },
       u"Print 'U::41 00';"},
      {"indeterminate check counts as checked", kWholeCommand, kButtonClicked,
       [](FakeWindow& w) { w.Check(kWholeCommand, 2); }, u"Print 'U::41 00';"},
  };
  for (const Row& row : rows) {
    RowDialog d;
    d.dialog.OnInitDialog();
    d.window.Type(kInputBox, u"A");
    row.prepare(d.window);
    EXPECT_TRUE(d.dialog.OnCommand(row.control, row.notification)) << row.name;
    EXPECT_EQ(d.window.RawText(kResultBox), row.result) << row.name;
  }
}

TEST_F(MainDialogTest, FontChangeAppliesTheNewFaceAndKeepsOneFontAlive) {
  Start();
  window.Select(kFontList, 0);
  EXPECT_TRUE(dialog.OnCommand(kFontList, kSelectionChange));
  EXPECT_EQ(window.InputFace(), u"Arial");
  EXPECT_EQ(window.liveFonts().size(), 1u);
  dialog.OnDestroy();
  EXPECT_TRUE(window.liveFonts().empty());
}

TEST_F(MainDialogTest, CloseEndsTheDialogWithOk) {
  Start();
  EXPECT_TRUE(dialog.OnCommand(kCloseButton, kButtonClicked));
  EXPECT_EQ(log, std::vector<std::string>{"EndDialog 1"});
}

TEST_F(MainDialogTest, NotificationsOutsideTheTableDoNothing) {
  Start();
  window.Type(kInputBox, u"A");
  const std::pair<int, int> others[] = {
      {kResultBox, kEditChange},          // typing into the result box does not regenerate
      {kInputBox, kButtonClicked},        {kSeparationList, kButtonClicked}, {kCopyButton, kSelectionChange},
      {kCloseButton, kEditChange},        {IDOK, kButtonClicked},            {IDCANCEL, kButtonClicked},
  };
  for (auto [control, notification] : others) {
    EXPECT_FALSE(dialog.OnCommand(control, notification)) << control << "/" << notification;
  }
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(Result(), u"Print 'U::';");
}

TEST_F(MainDialogTest, CopyRegeneratesFirstAndIgnoresEditsInTheResultBox) {
  Start();
  window.Type(kInputBox, u"A");
  window.Type(kResultBox, u"edited by hand");
  EXPECT_TRUE(dialog.OnCommand(kCopyButton, kButtonClicked));
  EXPECT_EQ(services.clipboard, "Print 'U::41 00';");
  EXPECT_EQ(Result(), u"Print 'U::41 00';");
}

TEST_F(MainDialogTest, CopyOfAnEmptyCommandEmptiesTheClipboard) {
  Start();
  window.Check(kWholeCommand, 0);
  dialog.OnCommand(kCopyButton, kButtonClicked);
  EXPECT_EQ(services.clipboardCalls, 1);
  EXPECT_EQ(services.clipboard, "");
}

TEST_F(MainDialogTest, RegenerationReadsAtMost1023Units) {
  const std::u16string emoji = u"\U0001F600";  // D83D DE00
  struct Case {
    const char* name;
    std::u16string input;
    std::size_t unitsConverted;
    std::u16string tail;  // the last numbers of the result
  };
  const Case cases[] = {
      {"short", u"AB", 2, u"41004200"},
      {"exactly 1023", std::u16string(1023, u'A'), 1023, u"4100"},
      {"longer", std::u16string(1100, u'B'), 1023, u"4200"},
      {"pair ends at the cap", std::u16string(1021, u'A') + emoji, 1023, u"3DD800DE"},
      // The high surrogate before the cap is converted as a unit of its own.
      {"pair cut by the cap", std::u16string(1022, u'A') + emoji, 1023, u"41003DD8"},
  };
  Start();
  window.Check(kWholeCommand, 0);
  window.Select(kSeparationList, 1);  // "No Space": four digits per unit
  for (const Case& c : cases) {
    window.Type(kInputBox, c.input);
    dialog.Regenerate();
    const std::u16string result = Result();
    EXPECT_EQ(result.size(), c.unitsConverted * 4) << c.name;
    EXPECT_TRUE(result.ends_with(c.tail)) << c.name;
  }
}

TEST_F(MainDialogTest, StatusLineSaysWhatTheCommandCarriesAfterEveryChange) {
  services.faces = {u"DejaVu Sans", u"NanumGothic", u"Unmapped"};
  services.glyphs[u"DejaVu Sans"] = CodePointSet({{0x20, 0x7E}, {0x300, 0x36F}, {0x1F600, 0x1F600}});
  services.glyphs[u"NanumGothic"] = CodePointSet({{0x20, 0x7E}, {0xAC00, 0xD7A3}});
  std::vector<test::StatusLineCase> cases = test::StatusLineCases();
  cases.push_back({"face without a known map", u"Unmapped", u"\uD55C", u"Characters: 1; Bytes: 2"});
  Start();
  for (const test::StatusLineCase& c : cases) {
    const auto face = std::find(services.faces.begin(), services.faces.end(), c.face) - services.faces.begin();
    window.Select(kFontList, static_cast<int>(face));
    dialog.OnCommand(kFontList, kSelectionChange);
    window.Type(kInputBox, c.input);
    dialog.OnCommand(kInputBox, kEditChange);
    EXPECT_EQ(test::Show(window.RawText(kStatusLine)), test::Show(c.status)) << c.name;
  }
  // The face's glyphs are asked for once per change of face, not at every keystroke.
  EXPECT_EQ(Only(log, {"svc FaceGlyphCoverage"}).size(), 6u);
}

// A separator that a part also holds inside (once the Japanese comma) makes the parts run together.
TEST(StatusLine, EveryLanguagesSeparatorKeepsThePartsApart) {
  const auto parts = [](const res::Translation* language) {
    res::SetUiLanguage(language);
    const std::u16string_view separator = res::LoadResourceString(IDS_STATUS_SEPARATOR);
    std::size_t count = 0;  // over both kinds of cut
    const CommandSummary plainCut{
        .characters = 1023, .bytes = 2046, .withoutGlyph = {}, .cut = true, .textCharacters = 32767};
    for (const std::u16string& line : {test::LongestStatusLine(), StatusLineText(plainCut, kCommandUnits)}) {
      for (std::size_t at = 0; at != std::u16string::npos; at = line.find(separator, at + 1)) ++count;
    }
    return count;
  };
  const std::size_t english = parts(nullptr);
  for (const res::Translation& language : res::Translations()) EXPECT_EQ(parts(&language), english) << language.code;
  res::SetUiLanguage(nullptr);
}

TEST_F(MainDialogTest, PasteCommandAsTextInsertsWhatTheClipboardsCommandsCarry) {
  std::vector<test::PasteCommandCase> cases = test::PasteCommandCases();
  cases.insert(cases.end(), {
      {"a count after a command, a blank line", "Print 'U::41 00';\t2\r\n\r\n42 00 0D 00 0A 00 43 00", u".", true,
       u"A\r\n\r\nB\r\nC"},
      {"broken wrapper", "Print 'U::41 00'", u".", false, u""},
      {"one bad line among good ones", "41 00\nhello\n", u".", false, u""},
      {"a zero unit", "41 00 00 00", u".", false, u""},
      {"blanks only", " \r\n", u".", false, u""},
      {"a pair past the input limit", "3D D8 00 DE", u"", true, u""},
  });
  Start();
  for (test::PasteCommandCase& c : cases) {
    if (c.before.empty()) c.before = std::u16string(ui::kInputLimit - 1, u'x');
    services.clipboardText = std::u16string(c.clipboard.begin(), c.clipboard.end());
    window.Type(kInputBox, c.before);
    EXPECT_EQ(dialog.CanPasteCommandAsText(), c.enabled) << c.name;
    dialog.PasteCommandAsText();  // the fake box's cursor is at its end
    EXPECT_TRUE(window.RawText(kInputBox) == c.before + c.inserted) << c.name;
  }
  services.clipboardText.reset();  // a clipboard without text, or with more than ASCII
  EXPECT_FALSE(dialog.CanPasteCommandAsText());
  services.clipboardText = u"\uFF14\uFF11 00";
  EXPECT_FALSE(dialog.CanPasteCommandAsText());
}

TEST_F(MainDialogTest, CharacterDetailsFollowTheTextWhileOpenAndAChosenRowSelectsItsCharacter) {
  services.faces = {u"DejaVu Sans"};
  services.glyphs[u"DejaVu Sans"] = CodePointSet({{0x20, 0x7E}, {0x300, 0x36F}, {0x1F600, 0x1F600}});
  Start();
  dialog.ShowCharacterDetails();
  for (const test::CharacterDetailsCase& c : test::CharacterDetailsCases()) {
    window.Select(kFontList, 0);
    dialog.OnCommand(kFontList, kSelectionChange);
    window.Select(kSeparationList, c.separation);
    window.Type(kInputBox, c.input);
    dialog.OnCommand(kInputBox, kEditChange);
    const CharacterDetails& details = dialog.characterDetails();
    ASSERT_EQ(details.RowCount(), c.firstRow + c.rows.size()) << c.name;
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
      const auto cell = [&](int column) { return details.Cell(c.firstRow + i, column); };
      EXPECT_EQ(test::Show(test::JoinedRow(cell)), test::Show(c.rows[i])) << c.name;
    }
    dialog.OnCharacterRowChosen(c.chosen);
    EXPECT_EQ(window.GetSelection(kInputBox), c.selected) << c.name;
  }
  EXPECT_EQ(Only(log, {"CharacterRows"}).back(), "CharacterRows 1022 DejaVu Sans");
  // Closed, the window is left alone; a dialog that goes takes the window with it (it reads the rows).
  dialog.OnCharacterDetailsClosed();
  log.clear();
  dialog.OnCommand(kInputBox, kEditChange);
  EXPECT_TRUE(Only(log, {"CharacterRows"}).empty());
  std::vector<std::string> goneLog;
  FakeWindow goneWindow(goneLog);
  RecordingServices goneServices(&goneLog);
  { MainDialog gone(goneWindow, goneServices); }
  EXPECT_EQ(Only(goneLog, {"CloseCharacterDetails"}).size(), 1u);
}

TEST_F(MainDialogTest, ComposeCharactersGivesTheNfcFormWithTheCursorAtItsCharacter) {
  std::vector<test::ComposeCase> cases = test::ComposeCases();
  // NFC lengthens this text (U+0958 decomposes for good) past the box's limit: it stays as it is.
  const std::u16string full = u"\u0958" + std::u16string(kInputLimit - 1, u'a');
  cases.push_back({"too long once composed", full, 0, false, full, 0});
  Start();
  for (const test::ComposeCase& c : cases) {
    window.Type(kInputBox, c.input);
    window.SetSelection(kInputBox, {c.cursor, c.cursor});
    EXPECT_EQ(dialog.CanComposeCharacters(), c.enabled) << c.name;
    dialog.ComposeCharacters();
    EXPECT_EQ(test::Show(window.RawText(kInputBox)), test::Show(c.composed)) << c.name;
    EXPECT_EQ(window.GetSelection(kInputBox), ui::TextSelection(c.composedCursor, c.composedCursor)) << c.name;
  }
}

TEST_F(MainDialogTest, AnOverLongSavedTextGivesTheBoxWhatFits) {
  const std::u16string almostFull(kInputLimit - 1, u'x');
  services.store[u"mlang_text"] = almostFull + u"\U0001F600";  // the pair would pass the box's limit
  Start();
  EXPECT_TRUE(window.RawText(kInputBox) == almostFull);
}

TEST_F(MainDialogTest, SavedTextAndFaceComeBackAtTheNextStart) {
  services.store[u"uni_font"] = u"DejaVu Sans";
  services.store[u"mlang_text"] = u"\uD55C";
  Start();
  EXPECT_EQ(window.RawText(kFontList), u"DejaVu Sans");
  EXPECT_EQ(window.RawText(kInputBox), u"\uD55C");
  EXPECT_EQ(Result(), u"Print 'U::5C D5';");
}

TEST(MainDialogKeys, OnlyEnterAndEscapeAreSwallowed) {
  const std::pair<int, bool> keys[] = {{kVirtualKeyReturn, true}, {kVirtualKeyEscape, true}, {0x09, false},
                                       {0x20, false},             {0x41, false},             {0x73, false}};
  for (auto [key, swallowed] : keys) EXPECT_EQ(MainDialog::PreTranslateKeyDown(key), swallowed) << key;
}

TEST_F(MainDialogTest, AboutEntryOpensTheAboutBoxWhateverTheLowBits) {
  Start();
  const std::pair<unsigned, bool> commands[] = {
      {IDM_ABOUTBOX, true}, {IDM_ABOUTBOX | 0x3u, true}, {0xF060u, false}, {0x0020u, false}, {0u, false}};
  for (auto [command, handled] : commands) {
    log.clear();
    EXPECT_EQ(dialog.OnSysCommand(command), handled) << command;
    EXPECT_EQ(log.size(), handled ? 1u : 0u) << command;
  }
}

TEST(MinimizedIcon, IsCentredWithTruncatingDivision) {
  struct Case {
    int cw, ch, iw, ih, x, y;
  };
  const Case cases[] = {{100, 50, 32, 32, 34, 9}, {33, 33, 32, 32, 1, 1}, {32, 32, 32, 32, 0, 0},
                        {10, 20, 32, 32, -10, -5}};
  for (const Case& c : cases) {
    const IconOrigin origin = MinimizedIconOrigin(c.cw, c.ch, c.iw, c.ih);
    EXPECT_EQ(origin.x, c.x);
    EXPECT_EQ(origin.y, c.y);
  }
}

}  // namespace
}  // namespace hexcribe::ui
