// Fuzz target: the version data reader on arbitrary bytes, both as a bare block and as an ELF file.
// Property: a block the decoder accepts is exactly what the encoder writes for the decoded values.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/linux/elf_section.h"
#include "platform/linux/read_only_file.h"
#include "core/version_block.h"
#include "core/version_block_decoder.h"
#include "core/version_block_encoder.h"

namespace {

using namespace hexcribe;
using namespace hexcribe::platform;
using hexcribe::fuzz::Check;

// Random bytes almost never carry a matching CRC-32, which would stop every
// input at the checksum. When the header looks like a block, give it the right
// checksum so the fields behind it get fuzzed.
std::vector<std::uint8_t> WithValidChecksum(std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> block(bytes.begin(), bytes.end());
  if (block.size() < kVersionBlockHeaderSize) return block;
  const std::uint32_t total = block[12] | (block[13] << 8) | (block[14] << 16) | (std::uint32_t{block[15]} << 24);
  if (total < kVersionBlockHeaderSize || total > block.size()) return block;
  const std::uint32_t crc =
      VersionBlockCrc32(std::span<const std::uint8_t>(block).subspan(kVersionBlockHeaderSize, total - kVersionBlockHeaderSize));
  for (int i = 0; i < 4; ++i) block[kVersionBlockChecksumOffset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(crc >> (8 * i));
  return block;
}

void CheckBlock(std::span<const std::uint8_t> bytes) {
  (void)DecodeVersionBlock(bytes);  // the untouched bytes, checksum and all
  const std::vector<std::uint8_t> block = WithValidChecksum(bytes);
  const std::optional<VersionData> data = DecodeVersionBlock(block);
  if (!data) return;

  // Re-encode what was read: the decoder accepts only canonical blocks, so the
  // result must be the block's own bytes.
  std::vector<VersionStringView> entries;
  for (const VersionTable& table : data->tables) {
    for (const VersionString& s : table.strings) entries.push_back({s.name, s.value});
  }
  std::vector<VersionTableView> tables;
  std::size_t at = 0;
  for (const VersionTable& table : data->tables) {
    tables.push_back({table.language, std::span<const VersionStringView>(entries).subspan(at, table.strings.size())});
    at += table.strings.size();
  }
  const std::vector<std::uint8_t> again = EncodeVersionBlock({data->fixed, data->translations, tables});
  const std::size_t total = again.size();
  Check(total >= kVersionBlockHeaderSize && total <= block.size() &&
            std::equal(again.begin(), again.end(), block.begin()),
        "an accepted block is not what the encoder writes for its values");

  // Every entry of the first table with a given language key (ignoring ASCII
  // case; later ones are shadowed) can be looked up.
  const auto fold = [](std::u16string text) {
    for (char16_t& c : text) c = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
    return text;
  };
  std::vector<std::u16string> seen;
  for (const VersionTable& table : data->tables) {
    const std::u16string key = fold(table.language);
    if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
    seen.push_back(key);
    for (const VersionString& s : table.strings) {
      Check(FindVersionString(*data, table.language, s.name).has_value(), "a decoded entry cannot be found");
    }
  }
}

// The bytes as a file: ReadOnlyFile reads by path, so hand it an anonymous memory file.
void CheckElf(std::span<const std::uint8_t> bytes) {
  const int fd = memfd_create("version-fuzz", MFD_CLOEXEC);
  if (fd < 0) return;
  if (write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size())) {
    const ReadOnlyFile file("/proc/self/fd/" + std::to_string(fd));
    const auto section = ReadElfSection(file, kVersionSectionName, kMaxVersionBlockSize);
    if (section) {
      Check(section->size() <= kMaxVersionBlockSize && section->size() <= bytes.size(), "section larger than allowed");
      CheckBlock(*section);
    }
  }
  close(fd);
}

}  // namespace

// Byte 0 even: the rest is a bare version block; odd: the rest is an ELF file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  if ((data[0] & 1) == 0) {
    CheckBlock(rest);
  } else {
    CheckElf(rest);
  }
  return 0;
}
