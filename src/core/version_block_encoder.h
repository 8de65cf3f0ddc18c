// Builds the version block from string views; constexpr so the build can embed the result as constant data.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/version_block.h"

namespace hexcribe {

struct VersionStringView {
  std::u16string_view name;
  std::u16string_view value;
};

struct VersionTableView {
  std::u16string_view language;
  std::span<const VersionStringView> strings;
};

struct VersionDataView {
  FixedVersionInfo fixed;
  std::span<const VersionTranslation> translations;
  std::span<const VersionTableView> tables;
};

namespace detail {

constexpr void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFu));
}

constexpr void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFFu);
  PutU16(out, value >> 16);
}

constexpr void PutU32At(std::vector<std::uint8_t>& out, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

constexpr void PutString(std::vector<std::uint8_t>& out, std::u16string_view text) {
  PutU16(out, static_cast<std::uint32_t>(text.size()));
  for (char16_t unit : text) PutU16(out, unit);
}

constexpr bool FitsLimits(const VersionDataView& data) {
  if (data.tables.size() > kMaxVersionTables || data.translations.size() > kMaxVersionTranslations) return false;
  for (const VersionTableView& table : data.tables) {
    if (table.language.size() > kMaxVersionStringUnits || table.strings.size() > kMaxVersionStrings) return false;
    for (const VersionStringView& entry : table.strings) {
      if (entry.name.size() > kMaxVersionStringUnits || entry.value.size() > kMaxVersionStringUnits) return false;
    }
  }
  return true;
}

}  // namespace detail

// The complete block with its checksum, or an empty vector when the data exceeds the
// block's limits (a reader would refuse such a block anyway).
constexpr std::vector<std::uint8_t> EncodeVersionBlock(const VersionDataView& data) {
  std::vector<std::uint8_t> out;
  if (!detail::FitsLimits(data)) return out;
  out.insert(out.end(), kVersionBlockMagic.begin(), kVersionBlockMagic.end());
  detail::PutU32(out, kVersionBlockFormat);
  detail::PutU32(out, 0);  // total size, set below
  detail::PutU32(out, 0);  // checksum, set below
  const FixedVersionInfo& f = data.fixed;
  for (std::uint32_t v : {f.file_version_ms, f.file_version_ls, f.product_version_ms, f.product_version_ls, f.flags_mask,
                          f.flags, f.os, f.type, f.subtype}) {
    detail::PutU32(out, v);
  }
  detail::PutU16(out, static_cast<std::uint32_t>(data.translations.size()));
  for (const VersionTranslation& t : data.translations) {
    detail::PutU16(out, t.language);
    detail::PutU16(out, t.code_page);
  }
  detail::PutU16(out, static_cast<std::uint32_t>(data.tables.size()));
  for (const VersionTableView& table : data.tables) {
    detail::PutString(out, table.language);
    detail::PutU16(out, static_cast<std::uint32_t>(table.strings.size()));
    for (const VersionStringView& entry : table.strings) {
      detail::PutString(out, entry.name);
      detail::PutString(out, entry.value);
    }
  }
  if (out.size() > kMaxVersionBlockSize) return {};
  detail::PutU32At(out, 12, static_cast<std::uint32_t>(out.size()));
  const std::span<const std::uint8_t> covered(out.data() + kVersionBlockHeaderSize, out.size() - kVersionBlockHeaderSize);
  detail::PutU32At(out, kVersionBlockChecksumOffset, VersionBlockCrc32(covered));
  return out;
}

}  // namespace hexcribe
