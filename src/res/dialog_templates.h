// The main dialog, the About box and the Character Details window as data: ids, texts, styles,
// tab order and dialog-unit geometry, as written in English. Every front end builds its windows
// from these tables in the language the windows show (localized_dialogs.h).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/separator.h"
#include "res/resource.h"
#include "res/translations.h"

namespace hexcribe::res {

enum class ControlClass { kStatic, kButton, kEdit, kComboBox, kListView };

// A column of a list view: its header (a string-table id) and its width in dialog units.
struct ListColumn {
  int textId;
  int width;
};

// One control. Style holds the bits beyond WS_CHILD | WS_VISIBLE, which every
// control has. For a combo box the height is that of its dropped-down list.
struct ControlTemplate {
  int id;
  ControlClass controlClass;
  std::u16string_view text;
  std::uint32_t style;
  int x;
  int y;
  int width;
  int height;
  int iconId = 0;  // the icon an SS_ICON static shows
  // For translators: what the text's placeholders and terms mean (a comment in the template).
  std::string_view translatorNote = {};
  std::span<const ListColumn> columns = {};  // a list view's columns, which the program adds
};

// Items a list control receives when the dialog is created, as string-table ids.
struct InitialItems {
  int controlId;
  std::span<const int> textIds;
};

struct DialogTemplate {
  int id;
  bool extended;  // DIALOGEX rather than the classic DIALOG form
  std::uint32_t style;
  std::uint32_t exStyle;
  int x;
  int y;
  int width;   // client area, dialog units
  int height;  // client area, dialog units
  std::u16string_view caption;
  std::u16string_view fontFace;
  int pointSize;
  int fontWeight;
  bool italic;
  int charset;
  std::span<const ControlTemplate> controls;  // template order = tab order
  std::span<const InitialItems> initialData;
};

// The instructions at the top of the main dialog: one carriage return breaks
// the line, and two spaces follow "format".
inline constexpr std::u16string_view kInstructionsText =
    u"Type the text in any language to be converted to Unicode format  which can be used in 'Print command'."
    u"\r"
    u"The Appropriate IME (on PC) and fonts(both on PC and LCD) should be installed first.";

// The About box's version line; %s stands for the major and minor version ("1.0").
inline constexpr std::u16string_view kAboutVersionFormat = u"Hexcribe Version %s";

// String IDS_ABOUTBOX, the About entry of the window's menu.
inline constexpr std::u16string_view kAboutMenuText = u"&About Hexcribe...";

// The string-table id of a separator's item in the Separation list.
constexpr int SeparationItemId(Separator separator) { return SeparatorInfoOf(separator).listTextId; }

// The string table: the texts the program loads at run time. The status line's
// formats take their numbers for %1, %2 and %3; its parts are joined with the separator.
struct StringEntry {
  int id;
  std::u16string_view text;
  std::string_view translatorNote = {};  // as in ControlTemplate
};
inline constexpr StringEntry kStringTable[] = {
    {IDS_ABOUTBOX, kAboutMenuText},
    {SeparationItemId(Separator::kSpace), u"Space", "Separation list: a space between the hex numbers."},
    {SeparationItemId(Separator::kNone), u"No Space", "Separation list: the hex numbers written together."},
    {SeparationItemId(Separator::kComma), u"Comma", "Separation list: a comma between the hex numbers."},
    {SeparationItemId(Separator::kHyphen), u"Hyphen", "Separation list: a hyphen between the hex numbers."},
    {IDS_STATUS_CHARACTERS, u"Characters: %1", "Status line. %1: how many characters (code points) the command holds."},
    {IDS_STATUS_BYTES, u"Bytes: %1", "Status line. %1: the command's bytes, two for each UTF-16 code unit."},
    {IDS_STATUS_ABOVE_BMP, u"Above U+FFFF: %1",
     "Status line. %1: how many of the command's characters lie above U+FFFF, outside the Basic Multilingual "
     "Plane (BMP), such as most emoji; each takes two UTF-16 code units."},
    {IDS_STATUS_NO_GLYPH, u"No glyph in font: %1",
     "Status line. %1: how many of the command's characters the chosen font has no glyph (drawn shape) for."},
    {IDS_STATUS_CUT, u"Command cut after unit %1 (character %2 of %3)",
     "Status line, when the text is longer than one command holds. %1: the most UTF-16 code units a command "
     "holds, 1023 (a code unit is 16 bits: a character up to U+FFFF takes one, a character above it two); "
     "%2: the last character the command holds; %3: the characters of the whole text."},
    {IDS_STATUS_CUT_PAIR, u"Command cut after unit %1, splitting character %2 of %3",
     "Status line, when the limit of one command falls inside a character above U+FFFF. %1: the most UTF-16 "
     "code units a command holds, 1023; %2: the character whose two code units the cut parts; %3: the "
     "characters of the whole text."},
    {IDS_STATUS_SEPARATOR, u"; ",
     "Status line: put between its parts (the texts with %1 above). Use a separator that none of those parts "
     "has inside itself, so that readers see where each part ends."},
    // An item of the input box's context menu, after the system's Paste on Windows.
    {IDS_PASTE_COMMAND_AS_TEXT, u"Paste Co&mmand as Text",
     "Input box's context menu: inserts the text that the Print commands or hex numbers on the clipboard "
     "stand for. & marks the access key."},
    // What the status line adds when the command holds characters an LCD shows wrong, and the
    // input box's entries that list them and mend the decomposed ones.
    {IDS_STATUS_INVISIBLE, u"Invisible: %1",
     "Status line. %1: how many of the command's characters nothing shows: format characters such as the "
     "zero-width space, variation selectors, and control characters other than tab and line breaks."},
    {IDS_STATUS_DECOMPOSED, u"Decomposed: %1",
     "Status line. %1: how many characters of the command NFC (Unicode Normalization Form C) would join to the "
     "character before them, such as a combining acute accent after e."},
    {IDS_CHARACTER_DETAILS, u"C&haracter Details...",
     "Input box's context menu: opens the window that lists each character of the command. & marks the access "
     "key."},
    {IDS_COMPOSE_CHARACTERS, u"Compose Characters (&NFC)",
     "Input box's context menu: replaces the text with its NFC form (Unicode Normalization Form C), which "
     "joins e and a combining accent into one character. NFC stays as it is; & marks the access key."},
    // The Character Details list: its column headers, and what may be wrong with a character.
    {IDS_COLUMN_NUMBER, u"No.", "Character Details, column header: the character's number in the command."},
    {IDS_COLUMN_CHARACTER, u"Character", "Character Details, column header: the character drawn in the font."},
    {IDS_COLUMN_CODE_POINT, u"Code Point", "Character Details, column header: the character's number as U+XXXX."},
    {IDS_COLUMN_BYTES, u"Bytes", "Character Details, column header: the character's bytes in the command."},
    {IDS_COLUMN_NAME, u"Name", "Character Details, column header: the character's Unicode name, in English."},
    {IDS_COLUMN_PROBLEMS, u"Problems",
     "Character Details, column header: what the LCD may show wrong, from the texts below, joined by the status "
     "line's separator."},
    {IDS_PROBLEM_INVISIBLE, u"invisible", "Character Details, Problems column: nothing shows the character."},
    {IDS_PROBLEM_DECOMPOSED, u"decomposed (NFC: %1)",
     "Character Details, Problems column: NFC joins the character to the one before it. %1: the joined "
     "character as U+XXXX."},
    {IDS_PROBLEM_ABOVE_BMP, u"outside the BMP",
     "Character Details, Problems column: the character lies above U+FFFF, outside the Basic Multilingual "
     "Plane, and takes two UTF-16 code units."},
    {IDS_PROBLEM_NO_GLYPH, u"no glyph in font",
     "Character Details, Problems column: the chosen font has no glyph (drawn shape) for the character."},
};

// The columns of the Character Details list, in the order the window fills them.
// Problems holds the longest English finding, "decomposed (NFC: U+00E9); no glyph in font", at 96 dpi.
inline constexpr ListColumn kCharacterColumns[] = {
    {IDS_COLUMN_NUMBER, 22}, {IDS_COLUMN_CHARACTER, 44}, {IDS_COLUMN_CODE_POINT, 48},
    {IDS_COLUMN_BYTES, 58},  {IDS_COLUMN_NAME, 144},     {IDS_COLUMN_PROBLEMS, 176},
};

// The main dialog's caption before the version is added to it.
inline constexpr std::u16string_view kMainCaption = u"Hexcribe";

// The templates as written, in English, with the version line's %s: what translators translate.
std::span<const DialogTemplate* const> SourceDialogTemplates();

// The control with that id in the template (the first one for IDC_STATIC), or nullptr.
const ControlTemplate* FindControl(const DialogTemplate& dialog, int id);

// The static that names control id for screen readers: the static right
// before it in template order, when id is a list, a list view or a text box (Windows' own
// rule); nullptr for any other control or when no static comes right before it.
const ControlTemplate* LabelOf(const DialogTemplate& dialog, int id);

}  // namespace hexcribe::res
