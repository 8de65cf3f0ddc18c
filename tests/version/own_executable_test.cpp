// The version data this test program carries (embedded by the build), its title text, and
// copies of the program whose version section was removed, damaged or cut off.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "platform/linux/elf_section.h"
#include "platform/linux/native_path.h"
#include "core/version_block_decoder.h"
#include "platform/platform.h"
#include "synthetic_elf.h"
#include "version/product_version.h"

namespace hexcribe {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;

fs::path OwnPath() { return platform::posix::ToNativePath(platform::GetOwnModulePath()); }

std::u16string U16(const fs::path& path) { return platform::posix::FromNativePath(path.string()); }

Bytes ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void RunTool(const std::string& command) { ASSERT_EQ(std::system(command.c_str()), 0) << command; }

std::string Quoted(const fs::path& path) {
  std::string quoted = path.string();
  quoted.insert(quoted.begin(), '\'');
  quoted.push_back('\'');
  return quoted;
}

TEST(OwnExecutable, TitleShowsTheBuiltVersion) {
  EXPECT_EQ(MakeTitleText(), u"Hexcribe v1.00");
  std::uint32_t fourth = 0;
  EXPECT_EQ(GetVersionNumber(u"", &fourth), 100);
  EXPECT_EQ(fourth, 1u);
  std::vector<std::uint32_t> parts;
  EXPECT_TRUE(ReadProductVersionParts(u"", parts));
  EXPECT_EQ(parts, (std::vector<std::uint32_t>{1, 0, 0, 1}));
}

TEST(OwnExecutable, CopiesKeepTheVersionOnlyWhileTheBlockIsIntact) {
  const fs::path folder = testing::TempFolder();
  const fs::path copy = folder / "copy";
  fs::copy_file(OwnPath(), copy);
  const std::string objcopy = HEXCRIBE_OBJCOPY;

  const fs::path stripped = folder / "stripped";
  RunTool(std::string(HEXCRIBE_STRIP) + " -o " + Quoted(stripped) + " " + Quoted(copy));
  const fs::path removed = folder / "removed";
  RunTool(objcopy + " --remove-section .hexcribe_version " + Quoted(copy) + " " + Quoted(removed));

  // One bit flipped in the middle of the block, the section keeping its size.
  const fs::path section = folder / "section.bin";
  RunTool(objcopy + " --dump-section .hexcribe_version=" + Quoted(section) + " " + Quoted(copy) + " " +
          Quoted(folder / "scratch"));
  Bytes bytes = ReadAll(section);
  ASSERT_GT(bytes.size(), 100u);
  bytes[bytes.size() / 2] ^= 0x01;
  testing::WriteTempFile("section.bin", bytes);
  const fs::path damaged = folder / "damaged";
  RunTool(objcopy + " --update-section .hexcribe_version=" + Quoted(section) + " " + Quoted(copy) + " " +
          Quoted(damaged));

  Bytes whole = ReadAll(copy);
  whole.resize(whole.size() / 2);
  const fs::path truncated = testing::WriteTempFile("truncated", whole);

  const std::pair<fs::path, std::u16string> cases[] = {
      {copy, u"1.00"}, {stripped, u"1.00"}, {removed, u"0.00"}, {damaged, u"0.00"}, {truncated, u"0.00"},
  };
  for (const auto& [path, text] : cases) {
    EXPECT_EQ(FormatVersionNumber(GetVersionNumber(U16(path))), text) << path;
  }
}

TEST(OwnExecutable, EmbeddedBlockAgreesWithTheWindowsResource) {
  const platform::ReadOnlyFile self(OwnPath().string());
  const auto section = platform::ReadElfSection(self, hexcribe::kVersionSectionName, hexcribe::kMaxVersionBlockSize);
  ASSERT_TRUE(section.has_value());
  const auto data = hexcribe::DecodeVersionBlock(*section);
  ASSERT_TRUE(data.has_value());
  ASSERT_EQ(data->tables.size(), 2u);  // U.S. English and Korean

  std::ifstream rc_file(HEXCRIBE_VERSION_RC);
  ASSERT_TRUE(rc_file) << HEXCRIBE_VERSION_RC;
  std::stringstream rc_text;
  rc_text << rc_file.rdbuf();
  const std::string rc = rc_text.str();
  std::smatch m;

  std::vector<std::pair<std::string, std::string>> rc_values;
  const std::regex value_line(R"rx(VALUE "(\w+)", "([^"]*)")rx");
  for (auto it = std::sregex_iterator(rc.begin(), rc.end(), value_line); it != std::sregex_iterator(); ++it) {
    rc_values.emplace_back((*it)[1], (*it)[2]);
  }
  std::vector<std::pair<std::string, std::string>> block_values;
  std::vector<std::u16string> block_languages;
  for (const auto& table : data->tables) {
    block_languages.push_back(table.language);
    for (const auto& entry : table.strings) {
      block_values.emplace_back(platform::posix::ToNativePath(entry.name), platform::posix::ToNativePath(entry.value));
    }
  }
  EXPECT_EQ(rc_values, block_values);
  std::vector<std::u16string> rc_languages;
  const std::regex table_line(R"rx(BLOCK "([0-9A-Fa-f]{8})")rx");
  for (auto it = std::sregex_iterator(rc.begin(), rc.end(), table_line); it != std::sregex_iterator(); ++it) {
    rc_languages.push_back(U16((*it)[1].str()));
  }
  EXPECT_EQ(rc_languages, block_languages);

  const auto number = [&](const char* pattern) {
    std::smatch found;
    EXPECT_TRUE(std::regex_search(rc, found, std::regex(pattern))) << pattern;
    return static_cast<std::uint32_t>(std::stoul(found[1].str(), nullptr, 0));
  };
  ASSERT_TRUE(std::regex_search(rc, m, std::regex(R"(PRODUCTVERSION (\d+),(\d+),(\d+),(\d+))")));
  const auto part = [&](int i) { return static_cast<std::uint32_t>(std::stoul(m[i].str())); };
  const hexcribe::FixedVersionInfo rc_fixed{(part(1) << 16) | part(2), (part(3) << 16) | part(4),
                                            (part(1) << 16) | part(2), (part(3) << 16) | part(4),
                                            number(R"(FILEFLAGSMASK (\w+)L)"),
                                            number(R"(FILEFLAGS (\w+)L)"),
                                            number(R"(FILEOS (\w+)L)"),
                                            number(R"(FILETYPE (\w+)L)"),
                                            number(R"(FILESUBTYPE (\w+)L)")};
  EXPECT_EQ(data->fixed, rc_fixed);
  EXPECT_TRUE(std::regex_search(rc, std::regex(R"(FILEVERSION 1,0,0,1\s)")));

  ASSERT_TRUE(std::regex_search(rc, m, std::regex(R"rx(VALUE "Translation", ([^\n]*))rx")));
  std::vector<hexcribe::VersionTranslation> rc_translation;
  const std::string pairs = m[1].str();
  const std::regex pair(R"((\w+), (\w+))");
  for (auto it = std::sregex_iterator(pairs.begin(), pairs.end(), pair); it != std::sregex_iterator(); ++it) {
    rc_translation.push_back({static_cast<std::uint16_t>(std::stoul((*it)[1].str(), nullptr, 0)),
                              static_cast<std::uint16_t>(std::stoul((*it)[2].str(), nullptr, 0))});
  }
  EXPECT_EQ(data->translations, rc_translation);
}

}  // namespace
}  // namespace hexcribe
