// Finds a named section in an ELF file and reads its bytes, checking every header field against the file's bounds.
#include "platform/linux/elf_section.h"

#include <elf.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <utility>

namespace hexcribe::platform {

namespace {

// SHT_NOBITS: the section occupies no bytes in the file. SHN_XINDEX: the real string-table
// index is in section 0.
constexpr std::uint32_t kSectionNoBits = SHT_NOBITS;
constexpr std::uint32_t kExtendedIndex = SHN_XINDEX;
// Upper bounds for what is read into memory; real executables stay far below.
constexpr std::uint64_t kMaxSectionTableBytes = 16u << 20;
constexpr std::uint64_t kMaxNameTableBytes = 4u << 20;

// Where the fields this reader needs sit, for one ELF class. The fields are read byte by byte in
// the file's own byte order, so only their offsets and widths come from the structures.
struct Layout {
  std::size_t header_size;
  std::size_t shoff, shoff_width, shentsize, shnum, shstrndx;
  std::size_t section_size;  // minimum section header size
  std::size_t sh_name, sh_type, sh_offset, sh_size, sh_link, word;
};
template <typename Header, typename SectionHeader>
constexpr Layout LayoutOf() {
  return {sizeof(Header),
          offsetof(Header, e_shoff),
          sizeof(Header::e_shoff),
          offsetof(Header, e_shentsize),
          offsetof(Header, e_shnum),
          offsetof(Header, e_shstrndx),
          sizeof(SectionHeader),
          offsetof(SectionHeader, sh_name),
          offsetof(SectionHeader, sh_type),
          offsetof(SectionHeader, sh_offset),
          offsetof(SectionHeader, sh_size),
          offsetof(SectionHeader, sh_link),
          sizeof(SectionHeader::sh_size)};
}
constexpr Layout kElf32 = LayoutOf<Elf32_Ehdr, Elf32_Shdr>();
constexpr Layout kElf64 = LayoutOf<Elf64_Ehdr, Elf64_Shdr>();

// An unsigned field of `width` bytes at offset; the caller keeps offset + width inside bytes.
std::uint64_t Field(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t width, bool big_endian) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    const std::uint64_t byte = bytes[offset + (big_endian ? i : width - 1 - i)];
    value = (value << 8) | byte;
  }
  return value;
}

struct Section {
  std::uint32_t name = 0;
  std::uint32_t type = 0;
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
  std::uint32_t link = 0;
};

bool InsideFile(const ReadOnlyFile& file, std::uint64_t offset, std::uint64_t size) {
  return offset <= file.Size() && size <= file.Size() - offset;
}

std::optional<std::vector<std::uint8_t>> ReadRange(const ReadOnlyFile& file, std::uint64_t offset,
                                                   std::uint64_t size) {
  if (!InsideFile(file, offset, size)) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (!file.ReadAt(offset, bytes)) return std::nullopt;
  return bytes;
}

// The file's ELF class and byte order.
struct Format {
  const Layout* layout;
  bool big_endian;
};

// The format from the identification bytes; nullopt for anything but an ELF file of a known class and byte order.
std::optional<Format> ReadFormat(const ReadOnlyFile& file) {
  std::array<std::uint8_t, EI_NIDENT> ident{};
  if (!file.ReadAt(0, ident)) return std::nullopt;
  if (ident[EI_MAG0] != ELFMAG0 || ident[EI_MAG1] != ELFMAG1 || ident[EI_MAG2] != ELFMAG2 || ident[EI_MAG3] != ELFMAG3) {
    return std::nullopt;
  }
  if (ident[EI_CLASS] != ELFCLASS32 && ident[EI_CLASS] != ELFCLASS64) return std::nullopt;
  if (ident[EI_DATA] != ELFDATA2LSB && ident[EI_DATA] != ELFDATA2MSB) return std::nullopt;
  if (ident[EI_VERSION] != EV_CURRENT) return std::nullopt;
  return Format{ident[EI_CLASS] == ELFCLASS32 ? &kElf32 : &kElf64, ident[EI_DATA] == ELFDATA2MSB};
}

Section SectionAt(std::span<const std::uint8_t> entry, const Format& format) {
  const Layout& layout = *format.layout;
  const bool big = format.big_endian;
  Section s;
  s.name = static_cast<std::uint32_t>(Field(entry, layout.sh_name, 4, big));
  s.type = static_cast<std::uint32_t>(Field(entry, layout.sh_type, 4, big));
  s.offset = Field(entry, layout.sh_offset, layout.word, big);
  s.size = Field(entry, layout.sh_size, layout.word, big);
  s.link = static_cast<std::uint32_t>(Field(entry, layout.sh_link, 4, big));
  return s;
}

// The section header table, read whole, and which of its sections holds the section names.
struct SectionTable {
  Format format{};
  std::vector<std::uint8_t> bytes;
  std::uint64_t entsize = 0;
  std::uint64_t count = 0;
  std::uint64_t names_index = 0;

  Section At(std::uint64_t index) const {
    return SectionAt(std::span<const std::uint8_t>(bytes).subspan(static_cast<std::size_t>(index * entsize),
                                                                  format.layout->section_size),
                     format);
  }
};

std::optional<SectionTable> ReadSectionTable(const ReadOnlyFile& file, const Format& format) {
  const Layout& layout = *format.layout;
  const bool big = format.big_endian;
  const auto header = ReadRange(file, 0, layout.header_size);
  if (!header) return std::nullopt;
  SectionTable table;
  table.format = format;
  const std::uint64_t shoff = Field(*header, layout.shoff, layout.shoff_width, big);
  table.entsize = Field(*header, layout.shentsize, 2, big);
  table.count = Field(*header, layout.shnum, 2, big);
  table.names_index = Field(*header, layout.shstrndx, 2, big);
  if (shoff == 0 || table.entsize < layout.section_size) return std::nullopt;

  // At least SHN_LORESERVE sections, or a string-table index beyond that: the
  // real values live in section 0 (size and link).
  if (table.count == 0 || table.names_index == kExtendedIndex) {
    const auto first = ReadRange(file, shoff, layout.section_size);
    if (!first) return std::nullopt;
    const Section zero = SectionAt(*first, format);
    if (table.count == 0) table.count = zero.size;
    if (table.names_index == kExtendedIndex) table.names_index = zero.link;
  }
  if (table.count == 0 || table.names_index == 0 || table.names_index >= table.count) return std::nullopt;
  if (table.count > kMaxSectionTableBytes / table.entsize) return std::nullopt;

  auto bytes = ReadRange(file, shoff, table.count * table.entsize);
  if (!bytes) return std::nullopt;
  table.bytes = std::move(*bytes);
  return table;
}

// The first section after section 0 whose name in the name table is name.
std::optional<Section> FindSection(const SectionTable& table, const std::vector<std::uint8_t>& names,
                                   std::string_view name) {
  for (std::uint64_t i = 1; i < table.count; ++i) {
    const Section s = table.At(i);
    // The name must lie wholly inside the name table, terminator included.
    if (s.name >= names.size() || names.size() - s.name < name.size() + 1) continue;
    const auto first = names.begin() + s.name;
    if (std::equal(name.begin(), name.end(), first) && first[static_cast<std::ptrdiff_t>(name.size())] == 0) return s;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadElfSection(const ReadOnlyFile& file, std::string_view name,
                                                        std::size_t max_size) {
  if (!file.IsOpen()) return std::nullopt;
  const auto format = ReadFormat(file);
  if (!format) return std::nullopt;
  const auto table = ReadSectionTable(file, *format);
  if (!table) return std::nullopt;

  const Section names_section = table->At(table->names_index);
  if (names_section.type == kSectionNoBits || names_section.size > kMaxNameTableBytes) return std::nullopt;
  const auto names = ReadRange(file, names_section.offset, names_section.size);
  if (!names) return std::nullopt;

  const auto section = FindSection(*table, *names, name);
  if (!section || section->type == kSectionNoBits || section->size > max_size) return std::nullopt;
  return ReadRange(file, section->offset, section->size);
}

}  // namespace hexcribe::platform
