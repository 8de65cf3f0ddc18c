// File names between the program's UTF-16 text and the bytes the Linux kernel takes.
#include "platform/linux/native_path.h"

#include "core/utf8_text.h"

namespace hexcribe::platform::posix {

std::string ToNativePath(std::u16string_view path) { return EncodeUtf8(path, InvalidUtf8::Escape); }

std::u16string FromNativePath(std::string_view path) { return DecodeUtf8(path, InvalidUtf8::Escape); }

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace hexcribe::platform::posix
