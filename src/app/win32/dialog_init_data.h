// A dialog's initial control data (the RT_DLGINIT resource): the list items it holds at creation.
#pragma once

#include "platform/win32/windows_api.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace hexcribe::app::win32 {

// The resource type of dialog initial data.
inline constexpr WORD kDialogInitType = 240;

// One entry: a message for a control with its text. Messages are 16-bit codes:
// 0x0403 adds a string to a combo box, 0x0401 to a list box.
struct DialogInitEntry {
  int controlId;
  std::uint16_t message;
  std::string text;  // 8-bit: UTF-8 (or ANSI from other resource writers), without its terminating zero
};

// Parses the resource's bytes: per entry a control id (WORD), a message (WORD),
// a byte length (DWORD) and that many bytes of NUL-terminated text; a zero
// control id ends the list. Stops at the first entry that does not fit.
std::vector<DialogInitEntry> ParseDialogInitData(std::span<const std::uint8_t> bytes);

// The entries of the initial data resource named dialogId in module, if any.
std::vector<DialogInitEntry> LoadDialogInitData(HINSTANCE module, int dialogId);

// Sends each entry to its control of dialog: the strings are added to the
// combo or list boxes in order. Entries of other messages are skipped. A text
// is read as UTF-8, as the program's resources store it, so it shows the same
// under any ANSI code page; a text that is not UTF-8 is read in the ANSI code
// page, as resource writers of that kind store it.
void ApplyDialogInitData(HWND dialog, const std::vector<DialogInitEntry>& entries);

}  // namespace hexcribe::app::win32
