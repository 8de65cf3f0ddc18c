// The main dialog's behaviour, written once for every front end: the event
// table, regeneration of the command, the clipboard export, the key filter and
// the start-up and shutdown sequences that restore and save the settings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/character_map.h"
#include "ui/character_details.h"
#include "ui/display_font.h"
#include "ui/dialog_services.h"
#include "ui/dialog_window.h"
#include "ui/input_limit.h"

namespace hexcribe::ui {

// Command notifications, with the values the Windows controls send.
enum Notification : int {
  kButtonClicked = 0,       // BN_CLICKED
  kSelectionChange = 1,     // CBN_SELCHANGE
  kEditChange = 0x0300,     // EN_CHANGE
};

// Virtual-key codes the key filter looks at.
inline constexpr int kVirtualKeyReturn = 0x0D;
inline constexpr int kVirtualKeyEscape = 0x1B;

// The command covers at most the input box's first 1023 UTF-16 units (the
// capacity with the terminator); the saved text is the whole box.
inline constexpr std::size_t kRegenerateCapacity = 1024;
inline constexpr std::size_t kCommandUnits = kRegenerateCapacity - 1;

// The settings the dialog keeps between runs.
inline constexpr char16_t kSettingsSection[] = u"gen";
inline constexpr char16_t kFaceKey[] = u"uni_font";
inline constexpr char16_t kTextKey[] = u"mlang_text";
inline constexpr char16_t kDefaultFace[] = u"Tahoma";
// The saved text is read with room for a full input box, four hex digits per
// unit, and the terminator. Versions that kept only the first 259 units read
// it with room for 2047 digits, so they still get its first 511 units.
inline constexpr std::size_t kTextReadCapacity = 4 * kInputLimit + 1;

class MainDialog {
 public:
  MainDialog(DialogWindow& window, DialogServices& services);
  ~MainDialog();
  MainDialog(const MainDialog&) = delete;
  MainDialog& operator=(const MainDialog&) = delete;

  // The start-up sequence, run once the window and its controls exist (with
  // the Separation list's items). True: the platform sets the initial focus.
  bool OnInitDialog();

  // A control's notification. True when a row of the event table handled it.
  bool OnCommand(int controlId, int notification);

  // A window-menu command. True when handled (the About entry); false asks
  // the front end for its default processing.
  bool OnSysCommand(unsigned commandId);

  // Key filter, before any control sees a key press: true means the key is
  // swallowed (Enter and Escape), false lets it go on.
  static bool PreTranslateKeyDown(int virtualKey);

  // The shutdown sequence, run while the window is destroyed, on every way of
  // closing it. Saves the face and the text, then empties the input box and
  // releases the display font.
  // Runs once; later calls do nothing.
  void OnDestroy();

  // The window moved to a monitor with another resolution: the display font is
  // made again, at the resolution the window now reports.
  void OnDpiChanged();

  // Reads the input, the separator and the check box; writes the result box
  // and the status line.
  void Regenerate();
  // Regenerates, then puts the result box's text on the clipboard.
  void CopyResultToClipboard();

  // "Paste Command as Text" of the input box's context menu: whether the
  // clipboard holds commands or bare numbers to turn back into text, and
  // putting that text in place of the input box's selection.
  bool CanPasteCommandAsText();
  void PasteCommandAsText();

  // "Character Details..." of the input box's context menu: opens the window that lists the
  // command's characters (or brings it to the front); it follows every change while open.
  void ShowCharacterDetails();
  // The front end's Character Details window has closed.
  void OnCharacterDetailsClosed();
  // The user chose a row of Character Details: its character is selected in the input box.
  void OnCharacterRowChosen(std::size_t row);
  // The rows the open Character Details window shows.
  const CharacterDetails& characterDetails() const { return details_; }

  // "Compose Characters (NFC)" of the input box's context menu: whether the input box's text is
  // not in NFC (and its NFC form fits the box), and replacing the text with that form as one edit
  // the user can undo, the cursor at the same character.
  bool CanComposeCharacters() const;
  void ComposeCharacters();

 private:
  friend struct MainDialogEvents;
  void ApplyFontAndRegenerate();
  // Applies the display font and learns which code points its face has glyphs
  // for, asking the platform only when the face changed.
  void ApplyFont();
  void Close();

  DialogWindow& window_;
  DialogServices& services_;
  DisplayFont font_;
  // The code points of the face the input box shows, for the status line.
  std::u16string glyphsFace_;
  std::optional<CodePointSet> faceGlyphs_;
  bool glyphsKnown_ = false;
  CharacterDetails details_;
  bool detailsOpen_ = false;
  bool destroyed_ = false;
};

// Where the icon of a minimized window is drawn: centred in the client area.
struct IconOrigin {
  int x;
  int y;
};
IconOrigin MinimizedIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight);

}  // namespace hexcribe::ui
