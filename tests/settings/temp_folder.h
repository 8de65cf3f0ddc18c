// Test helpers: the shared temporary folder, whole-file writes, environment overrides.
#pragma once

#include <optional>
#include <string>

#include "temp_files.h"

namespace hexcribe::testing {

// Throws when the file cannot be written whole.
void WriteBytes(const std::string& path, const std::string& bytes);
std::u16string U16(const std::string& utf8);

// Sets (or, with nullopt, unsets) an environment variable until destroyed.
class EnvOverride {
 public:
  EnvOverride(const char* name, const std::optional<std::string>& value);
  ~EnvOverride();
  EnvOverride(const EnvOverride&) = delete;
  EnvOverride& operator=(const EnvOverride&) = delete;

 private:
  std::string name_;
  std::optional<std::string> saved_;
};

}  // namespace hexcribe::testing
