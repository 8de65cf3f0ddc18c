// Files and the standard streams as byte sources and sinks: the tool's only operating-system-specific code.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "cli/byte_io.h"

namespace hexcribe::cli {

// Reads a C stream; owns (and closes) it when it was opened by name.
class FileSource final : public ByteSource {
 public:
  FileSource(std::FILE* file, bool owned) : file_(file), owned_(owned) {}
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  std::size_t Read(char* buffer, std::size_t size) override;
  bool Failed() const override { return failed_; }
  std::string ErrorText() const override { return error_; }

 private:
  std::FILE* file_;
  bool owned_;
  bool failed_ = false;
  std::string error_;
};

// Writes to a C stream (standard output or error).
class FileSink final : public ByteSink {
 public:
  explicit FileSink(std::FILE* file) : file_(file) {}
  bool Write(std::string_view bytes) override;
  // Flushes the C stream; false when any write failed.
  bool Close();
  std::string ErrorText() const override { return error_; }

 private:
  void Failed();

  std::FILE* file_;
  bool failed_ = false;
  std::string error_;
};

// Opens a file named in UTF-8 for reading; null with the reason in error.
std::unique_ptr<ByteSource> OpenFileSource(const std::string& utf8Path, std::string& error);

// Puts the standard streams in binary mode where the C runtime translates line
// ends (Windows), so bytes pass exactly: CR LF in, LF out, and messages end
// in LF on every platform.
void UseBinaryStandardStreams();

}  // namespace hexcribe::cli
