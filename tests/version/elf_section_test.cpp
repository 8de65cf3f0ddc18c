// Locating the version section in ELF files: every class and byte order, and hostile headers.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "platform/linux/elf_section.h"
#include "platform/linux/native_path.h"
#include "platform/platform.h"
#include "synthetic_elf.h"

namespace hexcribe::platform {
namespace {

using testing::BuildElf;
using testing::Bytes;
using testing::ElfImage;
using testing::WriteTempFile;

const Bytes kPayload = {1, 2, 3, 4, 5, 6, 7};

std::optional<Bytes> ReadFrom(const std::filesystem::path& path, std::size_t max_size = 1024) {
  const ReadOnlyFile file(path.string());
  return ReadElfSection(file, ".hexcribe_version", max_size);
}

TEST(ElfSection, FoundInEveryClassAndByteOrder) {
  for (bool is64 : {false, true}) {
    for (bool big : {false, true}) {
      // A decoy whose name only starts the same must not match.
      const ElfImage image =
          BuildElf({{".hexcribe_version_old", {9}}, {".hexcribe_version", kPayload}, {".bss", {}, 8}}, is64, big);
      EXPECT_EQ(ReadFrom(WriteTempFile("f.elf", image.bytes)), kPayload) << is64 << big;
    }
  }
}

TEST(ElfSection, ExtendedSectionCountAndNameIndexAreFollowed) {
  // Section count 0 and name index 0xFFFF: the real values sit in section 0's size and link.
  ElfImage image = BuildElf({{".hexcribe_version", kPayload}});
  const std::uint64_t count = 3;
  image.Put(0x3C, 2, 0);
  image.Put(0x3E, 2, 0xFFFF);
  image.Put(image.SectionHeader(0) + 32, 8, count);
  image.Put(image.SectionHeader(0) + 40, 4, count - 1);
  EXPECT_EQ(ReadFrom(WriteTempFile("x.elf", image.bytes)), kPayload);
}

TEST(ElfSection, HostileHeadersFailWithoutReadingOutside) {
  // Sections: 0 null, 1 the version section, 2 the name table.
  struct Case {
    const char* what;
    std::function<void(ElfImage&)> patch;
  } cases[] = {
      {"not ELF", [](ElfImage& e) { e.bytes[1] = 'X'; }},
      {"unknown class", [](ElfImage& e) { e.bytes[4] = 3; }},
      {"unknown byte order", [](ElfImage& e) { e.bytes[5] = 0; }},
      {"no section table", [](ElfImage& e) { e.Put(0x28, 8, 0); }},
      {"section table past the end", [](ElfImage& e) { e.Put(0x28, 8, e.bytes.size()); }},
      {"section table offset absurd", [](ElfImage& e) { e.Put(0x28, 8, ~std::uint64_t{0} - 8); }},
      {"entry size too small", [](ElfImage& e) { e.Put(0x3A, 2, 16); }},
      {"entry size absurd", [](ElfImage& e) { e.Put(0x3A, 2, 0xFFFF); }},
      {"section count past the end", [](ElfImage& e) { e.Put(0x3C, 2, 0xFEFF); }},
      {"extended count absurd",
       [](ElfImage& e) {
         e.Put(0x3C, 2, 0);
         e.Put(e.SectionHeader(0) + 32, 8, ~std::uint64_t{0});
       }},
      {"name table index out of range", [](ElfImage& e) { e.Put(0x3E, 2, 3); }},
      {"name table index zero", [](ElfImage& e) { e.Put(0x3E, 2, 0); }},
      {"name table past the end", [](ElfImage& e) { e.Put(e.SectionHeader(2) + 24, 8, e.bytes.size()); }},
      {"name table size absurd", [](ElfImage& e) { e.Put(e.SectionHeader(2) + 32, 8, ~std::uint64_t{0}); }},
      {"name offset past the table", [](ElfImage& e) { e.Put(e.SectionHeader(1), 4, 0xFFFFFFF0u); }},
      {"section offset past the end", [](ElfImage& e) { e.Put(e.SectionHeader(1) + 24, 8, e.bytes.size()); }},
      {"section offset wraps", [](ElfImage& e) { e.Put(e.SectionHeader(1) + 24, 8, ~std::uint64_t{0} - 2); }},
      {"section size past the end", [](ElfImage& e) { e.Put(e.SectionHeader(1) + 32, 8, e.bytes.size()); }},
      {"section size absurd", [](ElfImage& e) { e.Put(e.SectionHeader(1) + 32, 8, ~std::uint64_t{0}); }},
      {"section without file bytes", [](ElfImage& e) { e.Put(e.SectionHeader(1) + 4, 4, 8); }},
      {"file cut inside the section table", [](ElfImage& e) { e.bytes.resize(e.bytes.size() - 10); }},
      {"file cut inside the ELF header", [](ElfImage& e) { e.bytes.resize(30); }},
  };
  for (const Case& c : cases) {
    ElfImage image = BuildElf({{".hexcribe_version", kPayload}});
    c.patch(image);
    EXPECT_EQ(ReadFrom(WriteTempFile("h.elf", image.bytes)), std::nullopt) << c.what;
  }
}

TEST(ElfSection, NameMustEndInsideTheNameTable) {
  // The name table ends right after "...vers": the name runs off its end, not into the next bytes.
  ElfImage image = BuildElf({{".hexcribe_version", kPayload}});
  const std::size_t names_size_field = image.SectionHeader(2) + 32;
  image.Put(names_size_field, 8, 1 + 10);
  EXPECT_EQ(ReadFrom(WriteTempFile("n.elf", image.bytes)), std::nullopt);
}

TEST(ElfSection, SectionLargerThanTheLimitIsRefused) {
  const ElfImage image = BuildElf({{".hexcribe_version", kPayload}});
  const auto path = WriteTempFile("big.elf", image.bytes);
  EXPECT_EQ(ReadFrom(path, kPayload.size() - 1), std::nullopt);
  EXPECT_EQ(ReadFrom(path, kPayload.size()), kPayload);
}

TEST(ElfSection, OnlyRegularFilesAreRead) {
  const auto folder = testing::TempFolder();
  const auto fifo = folder / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const auto& path : {folder, fifo, folder / "missing", std::filesystem::path("/dev/zero")}) {
    EXPECT_FALSE(ReadOnlyFile(path.string()).IsOpen()) << path;
    EXPECT_EQ(ReadFrom(path), std::nullopt) << path;
  }
}

TEST(OwnModulePath, IsTheRunningExecutable) {
  const std::u16string own = GetOwnModulePath();
  EXPECT_EQ(posix::ToNativePath(own), std::filesystem::canonical("/proc/self/exe").string());
}

}  // namespace
}  // namespace hexcribe::platform
