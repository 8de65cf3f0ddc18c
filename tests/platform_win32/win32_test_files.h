// Test helpers for the Win32 suites: a temporary folder, whole-file bytes, Wine detection.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "utf16_bytes.h"

namespace hexcribe::testing {

// A fresh folder under the Windows temp folder, removed with its content at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::u16string& path() const { return path_; }
  std::u16string operator/(std::u16string_view name) const { return path_ + u"\\" + std::u16string(name); }

 private:
  std::u16string path_;
};

std::optional<std::string> ReadBytes(const std::u16string& path);
bool WriteBytes(const std::u16string& path, std::string_view bytes);

// True when the program runs under Wine rather than Windows.
bool RunningUnderWine();

}  // namespace hexcribe::testing
