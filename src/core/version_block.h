// Layout constants, limits and checksum of the version block that Linux executables carry in an ELF section.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace hexcribe {

// The block, all integers little-endian, strings as a 16-bit unit count then UTF-16LE units:
//   header      magic[8], u32 format, u32 total size (whole block), u32 CRC-32 of bytes [20, total)
//   fixed part  u32 × 9: file version ms/ls, product version ms/ls, flags mask, flags, OS, type, subtype
//   u16 translation count, then per translation: u16 language, u16 code page
//   u16 table count, then per table: string language key, u16 entry count, entries (string name, string value)
// Bytes after `total size` (section padding) are ignored. Every count and length is bounded so a
// damaged block can never make a reader allocate or walk far.
inline constexpr std::string_view kVersionSectionName = ".hexcribe_version";
inline constexpr std::array<std::uint8_t, 8> kVersionBlockMagic = {'H', 'X', 'V', 'E', 'R', 'B', 'L', 'K'};
inline constexpr std::uint32_t kVersionBlockFormat = 1;
inline constexpr std::size_t kVersionBlockHeaderSize = 20;
inline constexpr std::size_t kVersionBlockChecksumOffset = 16;
inline constexpr std::size_t kMaxVersionBlockSize = 64 * 1024;
inline constexpr std::size_t kMaxVersionTables = 16;
inline constexpr std::size_t kMaxVersionTranslations = 16;
inline constexpr std::size_t kMaxVersionStrings = 64;  // entries per table
inline constexpr std::size_t kMaxVersionStringUnits = 1024;

// The fixed part, field for field as in a Windows VERSIONINFO.
struct FixedVersionInfo {
  std::uint32_t file_version_ms = 0;
  std::uint32_t file_version_ls = 0;
  std::uint32_t product_version_ms = 0;
  std::uint32_t product_version_ls = 0;
  std::uint32_t flags_mask = 0;
  std::uint32_t flags = 0;
  std::uint32_t os = 0;
  std::uint32_t type = 0;
  std::uint32_t subtype = 0;
  bool operator==(const FixedVersionInfo&) const = default;
};

struct VersionTranslation {
  std::uint16_t language = 0;
  std::uint16_t code_page = 0;
  bool operator==(const VersionTranslation&) const = default;
};

// CRC-32 (IEEE, reflected, as zlib computes it); usable at compile time.
constexpr std::uint32_t VersionBlockCrc32(std::span<const std::uint8_t> bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::uint8_t byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return crc ^ 0xFFFFFFFFu;
}

}  // namespace hexcribe
