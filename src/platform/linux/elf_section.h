// Finds a named section in an ELF file and reads its bytes, checking every header field against the file's bounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/linux/read_only_file.h"

namespace hexcribe::platform {

// The contents of the first section called `name` (32- or 64-bit ELF, either
// byte order). nullopt when the file is not ELF, has no such section, the
// section has no bytes in the file or is larger than max_size, or any offset,
// size or count in the headers points outside the file.
std::optional<std::vector<std::uint8_t>> ReadElfSection(const ReadOnlyFile& file, std::string_view name,
                                                        std::size_t max_size);

}  // namespace hexcribe::platform
