// Builds the LCD print command (or the bare hex numbers) from UTF-16 text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hexcribe {

// Index of the Separation list: 0 "Space", 1 "No Space", 2 "Comma", 3 "Hyphen".
// Any other index (including -1, no selection) joins the numbers with nothing.
std::string_view SeparatorFor(int separatorChoice);

// Serialises text as UTF-16LE bytes (low byte first, no BOM, no terminator),
// renders every byte as two upper-case hex digits joined by the chosen
// separator and, when wholeCommand is set, wraps the list as
// "Print 'U::" ... "';". The text is taken exactly as given: surrogates, lone
// surrogates and CR LF pass through as their units. The result is ASCII.
std::string BuildCommand(std::u16string_view text, int separatorChoice, bool wholeCommand);

// The same, appending to `out` instead of returning a new string; lets bulk
// callers reuse one buffer.
void AppendCommand(std::string& out, std::u16string_view text, int separatorChoice, bool wholeCommand);

inline constexpr std::string_view kCommandPrefix = "Print 'U::";
inline constexpr std::string_view kCommandSuffix = "';";

}  // namespace hexcribe
