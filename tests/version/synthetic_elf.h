// Builds small ELF files in memory (any class and byte order) and version blocks for the reader tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/version_block_encoder.h"

namespace hexcribe::testing {

using Bytes = std::vector<std::uint8_t>;

struct ElfSection {
  std::string name;
  Bytes bytes;
  std::uint32_t type = 1;  // SHT_PROGBITS
};

// Layout: ELF header, each section's bytes, the name table, then the section headers
// (index 0 null, the given sections from 1, the name table last).
struct ElfImage {
  Bytes bytes;
  bool is64 = true;
  bool big_endian = false;
  std::uint64_t shoff = 0;
  std::size_t entsize = 0;

  // Overwrites an unsigned field of `width` bytes in the image's byte order.
  void Put(std::size_t offset, std::size_t width, std::uint64_t value);
  // Offset of section header `index` in the image.
  std::size_t SectionHeader(std::size_t index) const { return static_cast<std::size_t>(shoff) + index * entsize; }
};

ElfImage BuildElf(const std::vector<ElfSection>& sections, bool is64 = true, bool big_endian = false);

// A version block with one table per (language, ProductVersion) pair, plus the
// usual neighbours, so lookups must pick the right entry.
Bytes VersionBlockWith(const std::vector<std::pair<std::u16string, std::u16string>>& tables);

// An ELF file (64-bit, little endian) whose version section holds `block`.
Bytes ElfWithVersionBlock(const Bytes& block);

// Writes bytes to a fresh file in a per-test temporary folder and gives its path.
std::filesystem::path WriteTempFile(const std::string& name, const Bytes& bytes);
std::filesystem::path TempFolder();

// Recomputes the checksum of a block after a test patched it on purpose.
void ResealVersionBlock(Bytes& block);

}  // namespace hexcribe::testing
