// The version block codec: round trip, lookups, and refusal of every damaged or hostile block.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/version_block_decoder.h"
#include "synthetic_elf.h"

namespace hexcribe::platform {
namespace {

using testing::Bytes;
using testing::ResealVersionBlock;
using testing::VersionBlockWith;

const Bytes& TwoTables() {
  static const Bytes block = VersionBlockWith({{u"041204B0", u"2, 0, 0, 0"}, {u"040904b0", u"1, 0, 0, 1"}});
  return block;
}

void PutLe(Bytes& b, std::size_t offset, std::size_t width, std::uint32_t value) {
  for (std::size_t i = 0; i < width; ++i) b[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Offset of the first table's language-key length: header, fixed part, two translations, table count.
constexpr std::size_t kFirstKey = kVersionBlockHeaderSize + 36 + 2 + 2 * 4 + 2;

TEST(VersionBlock, RoundTripKeepsEveryPart) {
  const auto data = DecodeVersionBlock(TwoTables());
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(data->fixed, (FixedVersionInfo{0x00010000, 1, 0x00010000, 1, 0x3F, 0, 4, 1, 0}));
  EXPECT_EQ(data->translations, (std::vector<VersionTranslation>{{0x0409, 1200}, {0x0412, 1200}}));
  ASSERT_EQ(data->tables.size(), 2u);
  EXPECT_EQ(data->tables[0].language, u"041204B0");
  ASSERT_EQ(data->tables[1].strings.size(), 4u);
  EXPECT_EQ(data->tables[1].strings[3].name, u"SpecialBuild");
  EXPECT_EQ(data->tables[1].strings[3].value, u"");
}

TEST(VersionBlock, LookupIgnoresAsciiCaseOfKeys) {
  const auto data = DecodeVersionBlock(TwoTables());
  ASSERT_TRUE(data.has_value());
  struct Case {
    std::u16string language, name;
    std::optional<std::u16string> expected;
  } cases[] = {
      {u"040904b0", u"ProductVersion", u"1, 0, 0, 1"},
      {u"040904B0", u"productversion", u"1, 0, 0, 1"},
      {u"041204b0", u"ProductVersion", u"2, 0, 0, 0"},
      {u"040704b0", u"ProductVersion", std::nullopt},
      {u"040904b0", u"Comments", std::nullopt},
      {u"040904b", u"ProductVersion", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindVersionString(*data, c.language, c.name), c.expected)
        << std::string(c.language.begin(), c.language.end());
  }
}

TEST(VersionBlock, TrailingSectionPaddingIsIgnored) {
  Bytes padded = TwoTables();
  padded.resize(padded.size() + 13, 0);
  EXPECT_TRUE(DecodeVersionBlock(padded).has_value());
}

TEST(VersionBlock, EveryTruncationIsRefused) {
  // Cutting anywhere (inside the header, a count, a string) must fail cleanly.
  const Bytes& block = TwoTables();
  for (std::size_t size = 0; size < block.size(); ++size) {
    EXPECT_FALSE(DecodeVersionBlock(std::span(block).first(size)).has_value()) << size;
  }
}

TEST(VersionBlock, EverySingleByteChangeIsRefused) {
  const Bytes& block = TwoTables();
  for (std::size_t i = 0; i < block.size(); ++i) {
    Bytes damaged = block;
    damaged[i] ^= 0x20;
    EXPECT_FALSE(DecodeVersionBlock(damaged).has_value()) << i;
  }
}

TEST(VersionBlock, HostileFieldsWithValidChecksumAreRefused) {
  // Each patch keeps the checksum right, so the structural checks alone must catch it.
  const std::size_t table_count = kFirstKey - 2;
  const std::size_t translation_count = kVersionBlockHeaderSize + 36;
  struct Case {
    const char* what;
    std::function<void(Bytes&)> patch;
  } cases[] = {
      {"format 2", [](Bytes& b) { PutLe(b, 8, 4, 2); }},
      {"total size past the bytes", [](Bytes& b) { PutLe(b, 12, 4, static_cast<std::uint32_t>(b.size() + 1)); }},
      {"total size absurd", [](Bytes& b) { PutLe(b, 12, 4, 0xFFFFFFF0u); }},
      {"total size below the header", [](Bytes& b) { PutLe(b, 12, 4, 3); }},
      {"total size short of the fields", [](Bytes& b) { PutLe(b, 12, 4, static_cast<std::uint32_t>(b.size() - 2)); }},
      {"string length absurd", [&](Bytes& b) { PutLe(b, kFirstKey, 2, 0xFFFF); }},
      {"string length past the end", [&](Bytes& b) { PutLe(b, kFirstKey, 2, 1000); }},
      {"table count absurd", [&](Bytes& b) { PutLe(b, table_count, 2, 0xFFFF); }},
      {"table count past the end", [&](Bytes& b) { PutLe(b, table_count, 2, 3); }},
      {"translation count absurd", [&](Bytes& b) { PutLe(b, translation_count, 2, 0xFFFF); }},
      {"entry count absurd", [&](Bytes& b) { PutLe(b, kFirstKey + 2 + 16, 2, 0xFFFF); }},
  };
  for (const Case& c : cases) {
    Bytes block = TwoTables();
    c.patch(block);
    ResealVersionBlock(block);
    EXPECT_FALSE(DecodeVersionBlock(block).has_value()) << c.what;
  }
}

TEST(VersionBlock, EncoderRefusesDataBeyondTheLimits) {
  const std::u16string long_value(kMaxVersionStringUnits + 1, u'9');
  const VersionStringView strings[] = {{u"ProductVersion", long_value}};
  const VersionTableView tables[] = {{u"040904b0", strings}};
  EXPECT_TRUE(EncodeVersionBlock({{}, {}, tables}).empty());
}

}  // namespace
}  // namespace hexcribe::platform
