// The dialog templates of the program as written, in English.
#include "res/dialog_templates.h"

#include <array>

#include "res/window_styles.h"

namespace hexcribe::res {
namespace {

// Each list and text box comes right after the static that labels it: screen
// readers name a control after the static text just before it in this order.
// Statics take no focus, so the tab stops keep their order (Font list first,
// input box last). The arrow keys move within a group (from a control with WS_GROUP to the
// next one), passing over the labels: the result box, "Whole Command" and the Separation list
// are one group; "Copy to Clipboard", "Close" and the input box another. The bottom row leaves
// its texts a little more room than Tahoma's own widths need, since other renderings of the
// face (Wine's) advance wider.
constexpr ControlTemplate kMainControls[] = {
    {IDC_INSTRUCTIONS, ControlClass::kStatic, kInstructionsText, kSsLeft | kWsGroup, 6, 8, 250, 33, 0,
     "'Print command': the LCD controller's command, whose name Print stays as it is. IME: the input method "
     "that types the language on the PC."},
    {IDC_FONT_LABEL, ControlClass::kStatic, u"Font", kSsLeft | kWsGroup, 6, 45, 54, 9},
    {IDC_FONT_COMBO, ControlClass::kComboBox, u"", kCbsDropDownList | kWsVScroll | kWsTabStop, 65, 43, 192, 115},
    {IDC_RESULT_LABEL, ControlClass::kStatic, u"Result of Command", kSsLeft | kWsGroup, 6, 177, 84, 9, 0,
     "Names the box that shows the typed text converted: its hex numbers, or the whole Print command."},
    {IDC_RESULT_EDIT, ControlClass::kEdit, u"", kEsMultiline | kEsAutoVScroll | kWsBorder | kWsVScroll | kWsTabStop, 6,
     193, 274, 52},
    {IDC_WHOLE_COMMAND, ControlClass::kButton, u"Whole Command", kBsAutoCheckBox | kWsTabStop, 6, 249, 69, 12},
    {IDC_SEPARATION_LABEL, ControlClass::kStatic, u"Separation", kSsLeft, 78, 251, 39, 9},
    {IDC_SEPARATION_COMBO, ControlClass::kComboBox, u"", kCbsDropDownList | kWsVScroll | kWsTabStop, 119, 251, 55,
     74},
    {IDC_COPY_CLIPBOARD, ControlClass::kButton, u"Copy to Clipboard", kBsPushButton | kWsGroup | kWsTabStop, 177, 249,
     65, 14},
    {IDC_CLOSE, ControlClass::kButton, u"Close", kBsPushButton | kWsTabStop, 245, 249, 36, 14},
    {IDC_INPUT_LABEL, ControlClass::kStatic, u"The text you want to print on LCD in any language:", kSsLeft, 6, 66, 206,
     9, 0, "Names the input box. To print on the LCD is to show the text on its screen, not on paper."},
    // The selection stays drawn while another window has the focus: Character Details selects
    // the character its row stands for.
    {IDC_INPUT_EDIT, ControlClass::kEdit, u"",
     kEsMultiline | kEsAutoVScroll | kEsNoHideSel | kWsBorder | kWsVScroll | kWsTabStop, 7, 85, 274, 88},
    // The status line under the bottom row: what the command carries. Room for
    // three lines, so that the longest message wraps in any face rather than being cut.
    {IDC_STATUS_LINE, ControlClass::kStatic, u"", kSsLeft | kSsNoPrefix | kWsGroup, 6, 266, 275, 26},
};

constexpr bool InStringTable(int id) {
  for (const StringEntry& entry : kStringTable) {
    if (entry.id == id) return !entry.text.empty();
  }
  return false;
}

// The Separation list holds one item per separator, in the table's order.
constexpr std::array<int, kSeparatorCount> kSeparationItemIds = [] {
  std::array<int, kSeparatorCount> ids{};
  for (std::size_t i = 0; i < kSeparatorCount; ++i) ids[i] = kSeparators[i].listTextId;
  return ids;
}();
static_assert([] {
  for (const int id : kSeparationItemIds) {
    if (!InStringTable(id)) return false;
  }
  return true;
}(), "every separator needs its list item's text in the string table");

constexpr InitialItems kMainInitialData[] = {{IDC_SEPARATION_COMBO, kSeparationItemIds}};

constexpr DialogTemplate kMainDialog = {
    IDD_CONVERTER_DIALOG,
    true,
    kWsPopup | kWsVisible | kWsCaption | kWsSysMenu | kDsModalFrame | kDsSetFont,
    kWsExAppWindow,
    0,
    0,
    288,
    296,
    kMainCaption,
    u"Tahoma",
    8,
    0,
    false,
    1,
    kMainControls,
    kMainInitialData,
};

constexpr ControlTemplate kAboutControls[] = {
    {IDC_STATIC, ControlClass::kStatic, u"", kSsIcon, 11, 17, 20, 20, IDR_MAINFRAME},
    {IDC_STATIC, ControlClass::kStatic, kAboutVersionFormat, kSsLeft | kSsNoPrefix | kWsGroup, 40, 10, 119, 8, 0,
     "%s: the program's version, such as 1.0."},
    {IDC_STATIC, ControlClass::kStatic, u"Text to LCD print commands", kSsLeft | kWsGroup, 40, 25, 119, 8, 0,
     "What the program does: it turns text into the LCD controller's Print commands, which show the text on the "
     "LCD."},
    {IDOK, ControlClass::kButton, u"OK", kBsDefPushButton | kWsGroup | kWsTabStop, 178, 7, 50, 14},
};

constexpr DialogTemplate kAboutBox = {
    IDD_ABOUTBOX,
    false,
    kWsPopup | kWsCaption | kWsSysMenu | kDsModalFrame | kDsSetFont,
    0,
    0,
    0,
    235,
    55,
    u"About Hexcribe",
    u"MS Sans Serif",
    8,
    0,
    false,
    1,
    kAboutControls,
    {},
};

// Character Details: modeless beside the main dialog (shown by the program, not at creation), its
// list of the command's characters named by the label before it; Escape and Close close it.
constexpr ControlTemplate kDetailsControls[] = {
    {IDC_CHARACTER_LIST_LABEL, ControlClass::kStatic, u"&Characters of the command:", kSsLeft | kWsGroup, 6, 6, 340,
     9, 0, "Names the list of Character Details. & marks the access key."},
    {IDC_CHARACTER_LIST, ControlClass::kListView, u"",
     kLvsReport | kLvsSingleSel | kLvsShowSelAlways | kLvsOwnerData | kWsBorder | kWsTabStop, 6, 17, 508, 170, 0, {},
     kCharacterColumns},
    {IDCANCEL, ControlClass::kButton, u"Close", kBsPushButton | kWsTabStop, 472, 192, 42, 14},
};

constexpr DialogTemplate kDetailsDialog = {
    IDD_CHARACTER_DETAILS,
    true,
    kWsPopup | kWsCaption | kWsSysMenu | kDsModalFrame | kDsSetFont,
    0,
    0,
    0,
    520,
    212,
    u"Character Details",
    u"Tahoma",
    8,
    0,
    false,
    1,
    kDetailsControls,
    {},
};

constexpr const DialogTemplate* kSourceDialogs[] = {&kMainDialog, &kAboutBox, &kDetailsDialog};

}  // namespace

std::span<const DialogTemplate* const> SourceDialogTemplates() { return kSourceDialogs; }

const ControlTemplate* FindControl(const DialogTemplate& dialog, int id) {
  for (const ControlTemplate& control : dialog.controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

const ControlTemplate* LabelOf(const DialogTemplate& dialog, int id) {
  const ControlTemplate* previous = nullptr;
  for (const ControlTemplate& control : dialog.controls) {
    if (control.id == id && id != IDC_STATIC) {
      const bool named = control.controlClass == ControlClass::kComboBox || control.controlClass == ControlClass::kEdit ||
                         control.controlClass == ControlClass::kListView;
      return named && previous != nullptr && previous->controlClass == ControlClass::kStatic ? previous : nullptr;
    }
    previous = &control;
  }
  return nullptr;
}

}  // namespace hexcribe::res
