// Test helpers for the Win32 suites: the shared temporary folder, whole-file writes, Wine detection.
#pragma once

#include <string>
#include <string_view>

#include "temp_files.h"
#include "utf16_bytes.h"

namespace hexcribe::testing {

// False when the file cannot be written whole.
bool WriteBytes(const std::u16string& path, std::string_view bytes);

// True when the program runs under Wine rather than Windows.
bool RunningUnderWine();

}  // namespace hexcribe::testing
