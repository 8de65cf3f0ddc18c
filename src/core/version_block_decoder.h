// Reads a version block back into owned values, refusing anything damaged, truncated or out of bounds.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/version_block.h"

namespace hexcribe {

struct VersionString {
  std::u16string name;
  std::u16string value;
};

struct VersionTable {
  std::u16string language;
  std::vector<VersionString> strings;
};

struct VersionData {
  FixedVersionInfo fixed;
  std::vector<VersionTranslation> translations;
  std::vector<VersionTable> tables;
};

// The block at the start of bytes; trailing bytes beyond its recorded size are
// ignored. nullopt for a wrong magic or format, a checksum mismatch, a size or
// count beyond the limits, or any field that would reach past the block.
std::optional<VersionData> DecodeVersionBlock(std::span<const std::uint8_t> bytes);

// The value of `name` in the table `language`; both keys match without regard to
// ASCII case, as the Windows version API matches them.
std::optional<std::u16string> FindVersionString(const VersionData& data, std::u16string_view language,
                                                std::u16string_view name);

}  // namespace hexcribe
