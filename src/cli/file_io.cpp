// Files and the standard streams as byte sources and sinks: the tool's only operating-system-specific code.
#include "cli/file_io.h"

#include <cerrno>
#include <cstring>

#include "core/utf8_text.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace hexcribe::cli {

namespace {

#ifdef _WIN32
// UTF-8 to the UTF-16 file names the Windows C runtime takes (_wfopen). The
// name came from wmain's UTF-16 arguments, so it is valid UTF-8.
std::wstring WidePath(const std::string& utf8) {
  Utf8Decoder decoder;
  std::u16string units;
  decoder.Decode(utf8, units);
  return std::wstring(units.begin(), units.end());
}
#endif

}  // namespace

FileSource::~FileSource() {
  if (owned_ && file_ != nullptr) std::fclose(file_);
}

std::size_t FileSource::Read(char* buffer, std::size_t size) {
  if (failed_) return 0;
  const std::size_t got = std::fread(buffer, 1, size, file_);
  if (got == 0 && std::ferror(file_)) {
    failed_ = true;
    error_ = errno != 0 ? std::strerror(errno) : "read error";
  }
  return got;
}

void FileSink::Failed() {
  // The first failure's reason is the one worth reporting.
  if (!failed_) error_ = errno != 0 ? std::strerror(errno) : "write error";
  failed_ = true;
}

bool FileSink::Write(std::string_view bytes) {
  if (failed_) return false;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) Failed();
  return !failed_;
}

bool FileSink::Close() {
  errno = 0;
  if (std::fflush(file_) != 0) Failed();
  return !failed_;
}

std::unique_ptr<ByteSource> OpenFileSource(const std::string& utf8Path, std::string& error) {
  errno = 0;
#ifdef _WIN32
  std::FILE* file = _wfopen(WidePath(utf8Path).c_str(), L"rb");
#else
  std::FILE* file = std::fopen(utf8Path.c_str(), "rb");
#endif
  if (file == nullptr) {
    error = errno != 0 ? std::strerror(errno) : "cannot open";
    return nullptr;
  }
  return std::make_unique<FileSource>(file, true);
}

void UseBinaryStandardStreams() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
}

}  // namespace hexcribe::cli
