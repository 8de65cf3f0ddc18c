// Builds the LCD print command (or the bare hex numbers) from UTF-16 text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/separator.h"

namespace hexcribe {

// Serialises text as UTF-16LE bytes (low byte first, no BOM, no terminator),
// renders every byte as two upper-case hex digits joined by the
// separator and, when wholeCommand is set, wraps the list as
// "Print 'U::" ... "';". The text is taken exactly as given: surrogates, lone
// surrogates and CR LF pass through as their units. The result is ASCII.
std::string BuildCommand(std::u16string_view text, Separator separator, bool wholeCommand);

// The same, appending to `out` instead of returning a new string; lets bulk
// callers reuse one buffer.
void AppendCommand(std::string& out, std::u16string_view text, Separator separator, bool wholeCommand);

inline constexpr std::string_view kCommandPrefix = "Print 'U::";
inline constexpr std::string_view kCommandSuffix = "';";

// The dialog's command covers the first this many units of the input box.
inline constexpr std::size_t kDialogCommandUnits = 1023;

}  // namespace hexcribe
