// Reads a version block back into owned values, refusing anything damaged, truncated or out of bounds.
#include "core/version_block_decoder.h"

#include <algorithm>

#include "core/unicode.h"

namespace hexcribe {

namespace {

// Reads little-endian fields in order; once a read would pass the end, every
// later read fails too, so callers check `ok()` once per record.
class Cursor {
 public:
  explicit Cursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }
  bool AtEnd() const { return ok_ && pos_ == bytes_.size(); }

  std::uint32_t U16() { return Take(2); }
  std::uint32_t U32() { return Take(4); }

  // A counted UTF-16LE string of at most kMaxVersionStringUnits units.
  std::u16string String() {
    const std::uint32_t units = U16();
    if (!ok_ || units > kMaxVersionStringUnits || bytes_.size() - pos_ < std::size_t{units} * 2) {
      ok_ = false;
      return {};
    }
    std::u16string text(units, u'\0');
    for (char16_t& unit : text) unit = static_cast<char16_t>(Take(2));
    return text;
  }

 private:
  std::uint32_t Take(std::size_t width) {
    if (!ok_ || bytes_.size() - pos_ < width) {
      ok_ = false;
      return 0;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value |= std::uint32_t{bytes_[pos_ + i]} << (8 * i);
    pos_ += width;
    return value;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return FoldAscii(x) == FoldAscii(y); });
}

}  // namespace

std::optional<VersionData> DecodeVersionBlock(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kVersionBlockHeaderSize) return std::nullopt;
  if (!std::equal(kVersionBlockMagic.begin(), kVersionBlockMagic.end(), bytes.begin())) return std::nullopt;

  Cursor header(bytes.subspan(kVersionBlockMagic.size(), kVersionBlockHeaderSize - kVersionBlockMagic.size()));
  const std::uint32_t format = header.U32();
  const std::uint32_t total = header.U32();
  const std::uint32_t checksum = header.U32();
  if (format != kVersionBlockFormat) return std::nullopt;
  if (total < kVersionBlockHeaderSize || total > kMaxVersionBlockSize || total > bytes.size()) return std::nullopt;
  const std::span<const std::uint8_t> body = bytes.subspan(kVersionBlockHeaderSize, total - kVersionBlockHeaderSize);
  if (VersionBlockCrc32(body) != checksum) return std::nullopt;

  Cursor in(body);
  VersionData data;
  FixedVersionInfo& f = data.fixed;
  for (std::uint32_t* field : {&f.file_version_ms, &f.file_version_ls, &f.product_version_ms, &f.product_version_ls,
                               &f.flags_mask, &f.flags, &f.os, &f.type, &f.subtype}) {
    *field = in.U32();
  }

  const std::uint32_t translations = in.U16();
  if (!in.ok() || translations > kMaxVersionTranslations) return std::nullopt;
  for (std::uint32_t i = 0; i < translations; ++i) {
    VersionTranslation t;
    t.language = static_cast<std::uint16_t>(in.U16());
    t.code_page = static_cast<std::uint16_t>(in.U16());
    data.translations.push_back(t);
  }

  const std::uint32_t tables = in.U16();
  if (!in.ok() || tables > kMaxVersionTables) return std::nullopt;
  for (std::uint32_t i = 0; i < tables; ++i) {
    VersionTable table;
    table.language = in.String();
    const std::uint32_t strings = in.U16();
    if (!in.ok() || strings > kMaxVersionStrings) return std::nullopt;
    for (std::uint32_t j = 0; j < strings && in.ok(); ++j) {
      VersionString entry;
      entry.name = in.String();
      entry.value = in.String();
      table.strings.push_back(std::move(entry));
    }
    data.tables.push_back(std::move(table));
  }

  // The recorded size must be exactly what the fields use: anything else means
  // the block was cut or patched, even if the checksum happens to agree.
  if (!in.AtEnd()) return std::nullopt;
  return data;
}

std::optional<std::u16string> FindVersionString(const VersionData& data, std::u16string_view language,
                                                std::u16string_view name) {
  for (const VersionTable& table : data.tables) {
    if (!EqualsIgnoringAsciiCase(table.language, language)) continue;
    for (const VersionString& entry : table.strings) {
      if (EqualsIgnoringAsciiCase(entry.name, name)) return entry.value;
    }
    return std::nullopt;  // only the first table with that key counts
  }
  return std::nullopt;
}

}  // namespace hexcribe
