// Test helpers on every platform: a fresh temporary folder and whole-file reads, paths in the platform's own form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hexcribe::testing {

// Paths as the platform's file functions take them: UTF-16 on Windows, bytes elsewhere.
#ifdef _WIN32
using TestPath = std::u16string;
inline constexpr char16_t kPathSeparator = u'\\';
#else
using TestPath = std::string;
inline constexpr char kPathSeparator = '/';
#endif

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const TestPath& path() const { return path_; }
  TestPath operator/(std::basic_string_view<TestPath::value_type> name) const {
    return path_ + kPathSeparator + TestPath(name);
  }
#ifndef _WIN32
  // Names of the entries in the folder, sorted, "." and ".." left out.
  std::string Listing() const;
#endif

 private:
  TestPath path_;
};

// The whole file, or nullopt when it cannot be read.
std::optional<std::string> ReadBytes(const TestPath& path);

}  // namespace hexcribe::testing
