// Version parts, number and text read from synthetic executables through the Linux version reader.
#include "version/product_version.h"

#include <gtest/gtest.h>

#include <string>

#include "synthetic_elf.h"

namespace hexcribe {
namespace {

using testing::Bytes;
using testing::ElfWithVersionBlock;
using testing::VersionBlockWith;
using testing::WriteTempFile;

std::u16string U16(const std::filesystem::path& path) {
  const std::string s = path.string();
  return {s.begin(), s.end()};  // the temporary folder's path is ASCII
}

std::u16string FileWithProductVersion(const std::u16string& value, const std::u16string& language = u"040904b0") {
  return U16(WriteTempFile("v.elf", ElfWithVersionBlock(VersionBlockWith({{language, value}}))));
}

TEST(ProductVersion, ParsesPacksAndFormats) {
  struct Case {
    std::u16string value;
    std::vector<std::uint32_t> parts;
    int number;
    std::u16string text;
  } cases[] = {
      {u"1, 0, 0, 1", {1, 0, 0, 1}, 100, u"1.00"},
      {u"2, 13, 7, 0", {2, 13, 7, 0}, 237, u"2.37"},
      {u"123, 4, 5, 6", {123, 4, 5, 6}, 2345, u"23.45"},
      {u"1,,2,3,4", {1, 2, 3, 4}, 123, u"1.23"},
      {u",,1, 2, 3, 4,", {1, 2, 3, 4}, 123, u"1.23"},
      {u"1, 2, 3, 4, 5", {1, 2, 3, 4}, 123, u"1.23"},
      // _wtoi: leading white space and a sign, digits up to the first other character, no digits is 0.
      {u" \t7x, +8, 9.5, 1", {7, 8, 9, 1}, 789, u"7.89"},
      {u"a, b, , 3", {0, 0, 0, 3}, 0, u"0.00"},
      {u"1, 2, 3, ", {1, 2, 3, 0}, 123, u"1.23"},
      // Unsigned arithmetic: -1 is 4294967295, which contributes 95 / 5 / 5.
      {u"-1, 2, 3, 4", {4294967295u, 2, 3, 4}, 9523, u"95.23"},
      {u"1, -1, -1, 0", {1, 4294967295u, 4294967295u, 0}, 155, u"1.55"},
      // Out-of-range tokens saturate as the C runtime documents.
      {u"99999999999, 0, 0, 0", {2147483647u, 0, 0, 0}, 4700, u"47.00"},
      {u"-99999999999, 0, 0, 0", {2147483648u, 0, 0, 0}, 4800, u"48.00"},
  };
  for (const Case& c : cases) {
    const std::u16string path = FileWithProductVersion(c.value);
    const std::string label(c.value.begin(), c.value.end());
    std::vector<std::uint32_t> parts{42};
    EXPECT_TRUE(ReadProductVersionParts(path, parts)) << label;
    EXPECT_EQ(parts, c.parts) << label;
    std::uint32_t fourth = 77;
    EXPECT_EQ(GetVersionNumber(path, &fourth), c.number) << label;
    EXPECT_EQ(fourth, c.parts[3]) << label;
    EXPECT_EQ(FormatVersionNumber(c.number), c.text) << label;
  }
}

TEST(ProductVersion, FewerThanFourNumbersFail) {
  for (const std::u16string value : {u"1, 2, 3", u"", u",,,", u"1,,,2,3,"}) {
    const std::u16string path = FileWithProductVersion(value);
    std::vector<std::uint32_t> parts{42};
    EXPECT_FALSE(ReadProductVersionParts(path, parts));
    EXPECT_TRUE(parts.empty());
    std::uint32_t fourth = 77;
    EXPECT_EQ(GetVersionNumber(path, &fourth), 0);
    EXPECT_EQ(fourth, 77u) << "fourth is only written on success";
  }
}

TEST(ProductVersion, KoreanTableWinsAndKeysIgnoreCase) {
  struct Case {
    std::vector<std::pair<std::u16string, std::u16string>> tables;
    int number;
  } cases[] = {
      {{{u"040904b0", u"1, 0, 0, 1"}, {u"041204B0", u"3, 2, 1, 0"}}, 321},
      {{{u"041204b0", u"3, 2, 1, 0"}, {u"040904b0", u"1, 0, 0, 1"}}, 321},
      {{{u"040904B0", u"1, 0, 0, 1"}}, 100},
      // An unreadable Korean value still wins: the first language whose entry exists is used.
      {{{u"041204B0", u"3, 2"}, {u"040904b0", u"1, 0, 0, 1"}}, 0},
      {{{u"040704b0", u"1, 0, 0, 1"}}, 0},
  };
  for (const Case& c : cases) {
    const auto path = U16(WriteTempFile("k.elf", ElfWithVersionBlock(VersionBlockWith(c.tables))));
    EXPECT_EQ(GetVersionNumber(path), c.number) << c.tables.size();
  }
}

TEST(ProductVersion, HostileFilesGiveZero) {
  const Bytes good = VersionBlockWith({{u"040904b0", u"1, 0, 0, 1"}});
  Bytes cut_in_string(good.begin(), good.end() - 5);  // inside the last value
  Bytes absurd_length = good;
  absurd_length[12] = absurd_length[13] = absurd_length[14] = absurd_length[15] = 0xFF;
  Bytes damaged = good;
  damaged[good.size() - 20] ^= 0x01;

  const auto missing = testing::TempFolder() / "missing.elf";
  const std::u16string paths[] = {
      U16(missing),
      U16(testing::TempFolder()),
      U16(WriteTempFile("empty", {})),
      U16(WriteTempFile("text", Bytes(100, 'a'))),
      U16(WriteTempFile("noblock.elf", testing::BuildElf({{".text", Bytes(16, 0x90)}}).bytes)),
      U16(WriteTempFile("cut.elf", ElfWithVersionBlock(cut_in_string))),
      U16(WriteTempFile("absurd.elf", ElfWithVersionBlock(absurd_length))),
      U16(WriteTempFile("damaged.elf", ElfWithVersionBlock(damaged))),
  };
  for (const std::u16string& path : paths) {
    std::vector<std::uint32_t> parts{1};
    EXPECT_FALSE(ReadProductVersionParts(path, parts)) << std::string(path.begin(), path.end());
    EXPECT_TRUE(parts.empty());
    EXPECT_EQ(GetVersionNumber(path), 0);
  }
}

TEST(FormatVersionNumber, DigitsOfThePackedNumber) {
  const std::pair<int, std::u16string> cases[] = {
      {0, u"0.00"}, {100, u"1.00"}, {1235, u"12.35"}, {9999, u"99.99"}, {7, u"0.07"}, {10000, u"0.00"}, {12345, u"23.45"},
  };
  for (const auto& [number, text] : cases) EXPECT_EQ(FormatVersionNumber(number), text) << number;
}

}  // namespace
}  // namespace hexcribe
