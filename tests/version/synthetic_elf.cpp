// Builds small ELF files in memory (any class and byte order) and version blocks for the reader tests.
#include "synthetic_elf.h"

#include <unistd.h>

#include <fstream>
#include <span>

#include <gtest/gtest.h>

namespace hexcribe::testing {

namespace {

void PutField(Bytes& bytes, std::size_t offset, std::size_t width, std::uint64_t value, bool big_endian) {
  for (std::size_t i = 0; i < width; ++i) {
    const std::size_t shift = 8 * (big_endian ? width - 1 - i : i);
    bytes[offset + i] = static_cast<std::uint8_t>(value >> shift);
  }
}

}  // namespace

void ElfImage::Put(std::size_t offset, std::size_t width, std::uint64_t value) {
  PutField(bytes, offset, width, value, big_endian);
}

ElfImage BuildElf(const std::vector<ElfSection>& sections, bool is64, bool big_endian) {
  ElfImage image;
  image.is64 = is64;
  image.big_endian = big_endian;
  const std::size_t header_size = is64 ? 64 : 52;
  image.entsize = is64 ? 64 : 40;
  image.bytes.assign(header_size, 0);

  struct Placed {
    std::uint32_t name;
    std::uint32_t type;
    std::uint64_t offset;
    std::uint64_t size;
  };
  std::vector<Placed> placed;
  Bytes names{0};
  const auto add_name = [&](const std::string& name) {
    const auto at = static_cast<std::uint32_t>(names.size());
    names.insert(names.end(), name.begin(), name.end());
    names.push_back(0);
    return at;
  };
  for (const ElfSection& s : sections) {
    placed.push_back({add_name(s.name), s.type, image.bytes.size(), s.bytes.size()});
    image.bytes.insert(image.bytes.end(), s.bytes.begin(), s.bytes.end());
  }
  const std::uint32_t names_name = add_name(".shstrtab");
  placed.push_back({names_name, 3, image.bytes.size(), names.size()});
  image.bytes.insert(image.bytes.end(), names.begin(), names.end());

  image.shoff = image.bytes.size();
  const std::size_t count = placed.size() + 1;
  image.bytes.resize(image.bytes.size() + count * image.entsize, 0);

  const std::uint8_t ident[] = {0x7F, 'E', 'L', 'F', static_cast<std::uint8_t>(is64 ? 2 : 1),
                                static_cast<std::uint8_t>(big_endian ? 2 : 1), 1};
  std::copy(std::begin(ident), std::end(ident), image.bytes.begin());
  image.Put(0x10, 2, 2);   // executable
  image.Put(0x14, 4, 1);   // version
  if (is64) {
    image.Put(0x28, 8, image.shoff);
    image.Put(0x34, 2, header_size);
    image.Put(0x3A, 2, image.entsize);
    image.Put(0x3C, 2, count);
    image.Put(0x3E, 2, count - 1);
  } else {
    image.Put(0x20, 4, image.shoff);
    image.Put(0x28, 2, header_size);
    image.Put(0x2E, 2, image.entsize);
    image.Put(0x30, 2, count);
    image.Put(0x32, 2, count - 1);
  }
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const std::size_t at = image.SectionHeader(i + 1);
    image.Put(at + 0, 4, placed[i].name);
    image.Put(at + 4, 4, placed[i].type);
    image.Put(at + (is64 ? 24 : 16), is64 ? 8 : 4, placed[i].offset);
    image.Put(at + (is64 ? 32 : 20), is64 ? 8 : 4, placed[i].size);
  }
  return image;
}

Bytes VersionBlockWith(const std::vector<std::pair<std::u16string, std::u16string>>& tables) {
  std::vector<std::vector<hexcribe::VersionStringView>> strings;
  for (const auto& [language, product_version] : tables) {
    strings.push_back({{u"FileVersion", u"9, 9, 9, 9"},
                       {u"ProductName", u"Hexcribe"},
                       {u"ProductVersion", product_version},
                       {u"SpecialBuild", u""}});
  }
  std::vector<hexcribe::VersionTableView> views;
  for (std::size_t i = 0; i < tables.size(); ++i) views.push_back({tables[i].first, strings[i]});
  const hexcribe::VersionTranslation translations[] = {{0x0409, 1200}, {0x0412, 1200}};
  const hexcribe::VersionDataView data{{0x00010000, 1, 0x00010000, 1, 0x3F, 0, 4, 1, 0}, translations, views};
  return hexcribe::EncodeVersionBlock(data);
}

Bytes ElfWithVersionBlock(const Bytes& block) {
  return BuildElf({{".text", Bytes(32, 0x90)}, {".hexcribe_version", block}, {".data", Bytes(8, 0)}}).bytes;
}

std::filesystem::path TempFolder() {
  // One folder per test process, removed when the process ends.
  struct Root {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("hexcribe-version-" + std::to_string(::getpid()));
    ~Root() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const Root root;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  const auto folder = root.path / name;
  std::filesystem::create_directories(folder);
  return folder;
}

std::filesystem::path WriteTempFile(const std::string& name, const Bytes& bytes) {
  const auto path = TempFolder() / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

void ResealVersionBlock(Bytes& block) {
  if (block.size() < hexcribe::kVersionBlockHeaderSize) return;
  const std::span<const std::uint8_t> body(block.data() + hexcribe::kVersionBlockHeaderSize,
                                           block.size() - hexcribe::kVersionBlockHeaderSize);
  PutField(block, hexcribe::kVersionBlockChecksumOffset, 4, hexcribe::VersionBlockCrc32(body), false);
}

}  // namespace hexcribe::testing
