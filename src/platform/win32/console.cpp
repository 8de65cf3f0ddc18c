// Win32 console output: UTF-16 text through WriteConsoleW, so any script shows without a code-page change.
#include "platform/win32/windows_api.h"

#include <algorithm>

#include "core/unicode.h"
#include "platform/platform.h"

namespace hexcribe::platform {
namespace {

HANDLE HandleOf(StandardStream stream) {
  return ::GetStdHandle(stream == StandardStream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

// Older consoles fail a single write much beyond 64 KB of text.
constexpr std::size_t kMaxUnitsPerWrite = 8192;

}  // namespace

bool IsConsole(StandardStream stream) {
  const HANDLE handle = HandleOf(stream);
  DWORD mode = 0;
  // Only a console handle has a console mode; files and pipes fail here.
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode) != 0;
}

bool WriteConsoleUnits(StandardStream stream, std::u16string_view units) {
  const HANDLE handle = HandleOf(stream);
  while (!units.empty()) {
    std::size_t chunk = std::min(units.size(), kMaxUnitsPerWrite);
    // Never split a surrogate pair between two writes.
    if (chunk < units.size() && IsHighSurrogate(units[chunk - 1])) --chunk;
    DWORD written = 0;
    if (!::WriteConsoleW(handle, units.data(), static_cast<DWORD>(chunk), &written, nullptr) || written == 0) {
      return false;
    }
    units.remove_prefix(std::min<std::size_t>(written, units.size()));
  }
  return true;
}

}  // namespace hexcribe::platform
