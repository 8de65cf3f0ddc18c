// The main dialog as the portable behaviour sees it: controls addressed by id.
// Each front end (Qt, Win32) implements it; tests use an in-memory fake.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "res/resource.h"

namespace hexcribe::ui {

// Control ids of the main dialog (defined once, in the resources).
enum ControlId : int {
  kFontList = IDC_FONT_COMBO,
  kResultBox = IDC_RESULT_EDIT,
  kWholeCommand = IDC_WHOLE_COMMAND,
  kSeparationList = IDC_SEPARATION_COMBO,
  kCopyButton = IDC_COPY_CLIPBOARD,
  kCloseButton = IDC_CLOSE,
  kInputBox = IDC_INPUT_EDIT,
  kStatusLine = IDC_STATUS_LINE,
};

// An opaque display-font handle; 0 means "no font" (the control's default).
using FontHandle = std::uintptr_t;

// A text box's selection in units of its text as GetText reports it (a line break counts as CR
// LF): [start, end); start == end is the cursor alone.
struct TextSelection {
  std::size_t start = 0;
  std::size_t end = 0;
  bool operator==(const TextSelection&) const = default;
};

class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  // GetWindowText semantics: at most capacity - 1 units; capacity 0 = whole text.
  // Multi-line edit boxes report a line break as CR LF. Never trimmed.
  virtual std::u16string GetText(int id, std::size_t capacity) const = 0;
  virtual void SetText(int id, const std::u16string& text) = 0;
  // Replaces the selection of text box `id` (or inserts at its cursor) with
  // text whose line breaks are CR LF, as a paste does: cut to the room the
  // box's length limit leaves, never inside a pair or a line break, and
  // reported by the box as a user's edit. Nothing changes when nothing fits.
  virtual void ReplaceSelection(int id, const std::u16string& text) = 0;
  // The selection of text box `id`, and selecting units of it (scrolled into view).
  virtual TextSelection GetSelection(int id) const = 0;
  virtual void SetSelection(int id, TextSelection selection) = 0;
  // Replaces the whole text of text box `id` (line breaks as CR LF) as one edit the user can undo,
  // reported by the box as a user's edit; the cursor then stands at unit `cursor` of the new text.
  virtual void ReplaceText(int id, const std::u16string& text, std::size_t cursor) = 0;
  virtual void SetTitle(const std::u16string& title) = 0;

  // Drop-down lists.
  virtual int GetItemCount(int id) const = 0;
  virtual void DeleteItem(int id, int index) = 0;
  virtual void InsertItem(int id, int index, const std::u16string& text) = 0;
  virtual int GetCurSel(int id) const = 0;  // -1 when nothing is selected
  virtual void SetCurSel(int id, int index) = 0;
  // CB_SELECTSTRING: selects the first item, searching after startIndex and
  // wrapping, whose text begins with prefix (case ignored); gives its index or
  // -1, leaving the selection unchanged, when none matches.
  virtual int SelectString(int id, int startIndex, const std::u16string& prefix) = 0;

  // Check box state (0 unchecked, 1 checked).
  virtual int GetCheck(int id) const = 0;
  virtual void SetCheck(int id, int state) = 0;

  // Display fonts: created from a face name (empty = the platform's default
  // face) and a size in tenths of a point; 0 on failure. The caller owns the
  // handle and destroys it; SetControlFont(id, 0) restores the default font.
  virtual FontHandle CreatePointFont(int tenthsOfPoint, const std::u16string& face) = 0;
  virtual void DestroyFont(FontHandle font) = 0;
  virtual void SetControlFont(int id, FontHandle font) = 0;

  // ---- Window-level services of the dialog (no-ops unless a front end has them)

  // Appends a separator and an entry with commandId and text to the window's
  // menu: the system menu on Windows; a front end without one puts the entry
  // where its users look for it. False when the window has no such menu.
  virtual bool AddAboutMenuEntry(int commandId, const std::u16string& text) {
    (void)commandId;
    (void)text;
    return false;
  }
  // Gives the window the icon resource iconId as its big (true) or small icon.
  virtual void SetIcon(int iconId, bool big) {
    (void)iconId;
    (void)big;
  }
  // Shows the About box modally and returns when it has closed.
  virtual void ShowAboutBox() {}
  // Ends the dialog's modal loop with result (IDOK, IDCANCEL); the window is
  // then destroyed, which saves the settings.
  virtual void EndDialog(int result) { (void)result; }

  // ---- The Character Details window, modeless beside the dialog

  // Opens it, or brings it to the front when it is open. False when the front end has none.
  virtual bool ShowCharacterDetails() { return false; }
  // Its rows changed: the open window shows rowCount rows anew (their cells come from
  // MainDialog::characterDetails()), the Character column drawn in `face` ("" the default face).
  virtual void CharacterRowsChanged(std::size_t rowCount, const std::u16string& face) {
    (void)rowCount;
    (void)face;
  }
  // Destroys the window, if any: the rows it shows belong to the dialog, which is going.
  virtual void CloseCharacterDetails() {}
};

}  // namespace hexcribe::ui
