// Reads one string of the version data that a Linux executable carries in its version section.
#include "platform/linux/elf_section.h"
#include "platform/linux/native_path.h"
#include "platform/linux/read_only_file.h"
#include "core/version_block.h"
#include "core/version_block_decoder.h"
#include "platform/platform.h"

namespace hexcribe::platform {

std::optional<std::u16string> QueryVersionString(const std::u16string& path, std::u16string_view language,
                                                 std::u16string_view name) {
  const ReadOnlyFile file(posix::ToNativePath(path));
  const auto section = ReadElfSection(file, kVersionSectionName, kMaxVersionBlockSize);
  if (!section) return std::nullopt;
  const auto data = DecodeVersionBlock(*section);
  if (!data) return std::nullopt;
  return FindVersionString(*data, language, name);
}

}  // namespace hexcribe::platform
