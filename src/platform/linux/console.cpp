// Linux console output: terminals take the tool's UTF-8 bytes as they are, so no stream needs UTF-16.
#include "platform/platform.h"

namespace hexcribe::platform {

bool IsConsole(StandardStream /*stream*/) { return false; }

bool WriteConsoleUnits(StandardStream /*stream*/, std::u16string_view /*units*/) { return false; }

}  // namespace hexcribe::platform
