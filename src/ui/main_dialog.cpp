// The main dialog's portable behaviour: event table, regeneration, clipboard, start-up and shutdown.
#include "ui/main_dialog.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "core/command_builder.h"
#include "core/normalization.h"
#include "core/text_checks.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "res/resource.h"
#include "ui/command_paste.h"
#include "ui/input_limit.h"
#include "ui/status_line.h"

namespace hexcribe::ui {
namespace {

static_assert(kCommandUnits == kDialogCommandUnits, "hexcribe-cli --check reports commands longer than the dialog's");

// The command is ASCII: each byte widens to one unit.
std::u16string Widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// The event table: which control's notification runs which action.
struct EventRow {
  int controlId;
  int notification;
  void (MainDialog::*action)();
};

}  // namespace

// The table rows in the order of the dialog's message map (a friend, to name the private actions).
struct MainDialogEvents {
  static constexpr EventRow kRows[] = {
      {kCopyButton, kButtonClicked, &MainDialog::CopyResultToClipboard},
      {kWholeCommand, kButtonClicked, &MainDialog::Regenerate},
      {kSeparationList, kSelectionChange, &MainDialog::Regenerate},
      {kFontList, kSelectionChange, &MainDialog::ApplyFontAndRegenerate},
      {kCloseButton, kButtonClicked, &MainDialog::Close},
      {kInputBox, kEditChange, &MainDialog::Regenerate},
  };
};

MainDialog::MainDialog(DialogWindow& window, DialogServices& services)
    : window_(window), services_(services), font_(window) {}

// Character Details reads its cells from this dialog while it draws, so it goes first.
MainDialog::~MainDialog() { window_.CloseCharacterDetails(); }

bool MainDialog::OnInitDialog() {
  // The window's menu gets the About entry when the string exists.
  const std::u16string aboutText(res::LoadResourceString(IDS_ABOUTBOX));
  if (!aboutText.empty()) window_.AddAboutMenuEntry(IDM_ABOUTBOX, aboutText);
  window_.SetIcon(IDR_MAINFRAME, true);
  window_.SetIcon(IDR_MAINFRAME, false);
  window_.SetCheck(kWholeCommand, 1);
  window_.SetCurSel(kSeparationList, 0);

  services_.CreateSettingsFolder();
  window_.SetTitle(services_.TitleText());

  FillComboBox(window_, kFontList, services_.FontFaces());
  // Without a saved face the list shows the face the input box really uses,
  // which is the default face only where that is installed.
  const std::u16string shownFace = services_.FaceShownForDefault(kDefaultFace);
  std::u16string face = services_.ReadProfileValue(kSettingsSection, kFaceKey, shownFace, 0, StoredForm::kPlain,
                                                   services_.SettingsFilePath());
  // A face saved under another locale may be listed under another name.
  if (!face.empty()) face = services_.CanonicalFaceName(face);
  // The search covers the whole list from its first item: started after item 0,
  // it would pick "DejaVu Sans Mono" for a saved "DejaVu Sans" listed first, and
  // that face would then be saved in place of the user's.
  window_.SelectString(kFontList, -1, face);
  ApplyFont();

  const std::u16string text = services_.ReadProfileValue(kSettingsSection, kTextKey, u"", kTextReadCapacity,
                                                         StoredForm::kHex, services_.SettingsFilePath());
  // A hand-edited value may hold more than the box: it gets what fits, cut
  // neither inside a character nor inside a line break.
  window_.SetText(kInputBox, std::u16string(HeadThatFits(text, kInputLimit)));
  Regenerate();
  return true;
}

bool MainDialog::OnCommand(int controlId, int notification) {
  for (const EventRow& row : MainDialogEvents::kRows) {
    if (row.controlId == controlId && row.notification == notification) {
      (this->*row.action)();
      return true;
    }
  }
  return false;
}

bool MainDialog::OnSysCommand(unsigned commandId) {
  if ((commandId & 0xFFF0u) == IDM_ABOUTBOX) {
    window_.ShowAboutBox();
    return true;
  }
  return false;
}

bool MainDialog::PreTranslateKeyDown(int virtualKey) {
  return virtualKey == kVirtualKeyReturn || virtualKey == kVirtualKeyEscape;
}

void MainDialog::OnDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  const std::u16string face = window_.GetText(kFontList, 0);
  services_.WriteProfileValue(kSettingsSection, kFaceKey, face, StoredForm::kPlain, services_.SettingsFilePath());
  const std::u16string text = window_.GetText(kInputBox, 0);
  services_.WriteProfileValue(kSettingsSection, kTextKey, text, StoredForm::kHex, services_.SettingsFilePath());
  // Emptied before its font goes: a box that loses its font lays its whole text out
  // again in the default one, which takes Wine's edit control a quarter of a second
  // for a full box in lines and seconds for one long paragraph.
  window_.SetText(kInputBox, u"");
  font_.Release();
}

void MainDialog::OnDpiChanged() {
  if (!destroyed_) ApplyDisplayFont(font_);
}

void MainDialog::Regenerate() {
  // The command shows exactly the first 1023 units: a pair cut there leaves its
  // high surrogate converted as a unit of its own, as the LCD would receive it.
  // The whole text is read for the status line, which tells where the cut falls.
  const std::u16string text = window_.GetText(kInputBox, 0);
  const std::u16string_view command = std::u16string_view(text).substr(0, kCommandUnits);
  const Separator separator = SeparatorAtListIndex(window_.GetCurSel(kSeparationList));
  const bool wholeCommand = window_.GetCheck(kWholeCommand) != 0;
  window_.SetText(kResultBox, Widen(BuildCommand(command, separator, wholeCommand)));
  const CodePointSet* glyphs = faceGlyphs_ ? &*faceGlyphs_ : nullptr;
  TextCheck check = CheckText(text, kCommandUnits, glyphs);
  const CommandSummary summary = SummarizeCommand(text, kCommandUnits, check, glyphs != nullptr);
  window_.SetText(kStatusLine, StatusLineText(summary, kCommandUnits));
  if (detailsOpen_) {
    details_.Update(command, std::move(check.characters), separator);
    window_.CharacterRowsChanged(details_.RowCount(), font_.handle() != 0 ? glyphsFace_ : std::u16string());
  }
}

void MainDialog::CopyResultToClipboard() {
  Regenerate();
  const std::u16string result = window_.GetText(kResultBox, 0);
  services_.PutTextOnClipboard(services_.ToClipboardBytes(result));
}

bool MainDialog::CanPasteCommandAsText() {
  const std::optional<std::u16string> clipboard = services_.ReadTextFromClipboard();
  return clipboard && TextOfPastedCommands(*clipboard).has_value();
}

void MainDialog::PasteCommandAsText() {
  const std::optional<std::u16string> clipboard = services_.ReadTextFromClipboard();
  if (!clipboard) return;
  // The box reports the insertion as an edit, which regenerates.
  if (const std::optional<std::u16string> text = TextOfPastedCommands(*clipboard)) {
    window_.ReplaceSelection(kInputBox, *text);
  }
}

void MainDialog::ShowCharacterDetails() {
  if (destroyed_ || !window_.ShowCharacterDetails()) return;
  detailsOpen_ = true;
  Regenerate();
}

void MainDialog::OnCharacterDetailsClosed() { detailsOpen_ = false; }

void MainDialog::OnCharacterRowChosen(std::size_t row) {
  const UnitSpan units = details_.UnitsOf(row);
  if (units.length > 0) window_.SetSelection(kInputBox, {units.start, units.start + units.length});
}

bool MainDialog::CanComposeCharacters() const {
  const std::u16string text = window_.GetText(kInputBox, 0);
  return !IsNfc(text) && BoxUnits(ToNfc(text)) <= kInputLimit;
}

void MainDialog::ComposeCharacters() {
  const std::u16string text = window_.GetText(kInputBox, 0);
  const std::u16string composed = ToNfc(text);
  // NFC may lengthen a text (a few characters decompose for good): one that no longer fits stays.
  if (composed == text || BoxUnits(composed) > kInputLimit) return;
  // The NFC form of the text before the cursor ends where its character is now.
  const std::size_t end = std::min(window_.GetSelection(kInputBox).end, text.size());
  const std::size_t cursor = std::min(ToNfc(std::u16string_view(text).substr(0, end)).size(), composed.size());
  // The box reports the replacement as an edit, which regenerates.
  window_.ReplaceText(kInputBox, composed, cursor);
}

void MainDialog::ApplyFontAndRegenerate() {
  ApplyFont();
  Regenerate();
}

void MainDialog::ApplyFont() {
  ApplyDisplayFont(font_);
  // Without a display font the box shows its default font, whose glyphs are not the face's.
  if (font_.handle() == 0) {
    glyphsKnown_ = false;
    faceGlyphs_.reset();
    return;
  }
  const std::u16string face = window_.GetText(kFontList, 0);
  if (glyphsKnown_ && face == glyphsFace_) return;
  glyphsFace_ = face;
  faceGlyphs_ = services_.FaceGlyphCoverage(face);
  glyphsKnown_ = true;
}

void MainDialog::Close() { window_.EndDialog(IDOK); }

IconOrigin MinimizedIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
  return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

}  // namespace hexcribe::ui
