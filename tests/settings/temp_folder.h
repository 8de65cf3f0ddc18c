// Test helpers: a temporary folder, whole-file reads and writes, environment overrides.
#pragma once

#include <optional>
#include <string>

namespace hexcribe::testing {

// A fresh folder under /tmp, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  // Names of the entries in the folder, sorted, "." and ".." left out.
  std::string Listing() const;

 private:
  std::string path_;
};

std::optional<std::string> ReadBytes(const std::string& path);
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
