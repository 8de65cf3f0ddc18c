// Puts the product's version data into the ".hexcribe_version" section of a Linux executable file,
// where the version reader finds it. Added to each executable by hexcribe_embed_version().
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/version_block.h"
#include "core/version_block_encoder.h"
#include "res/version_info.h"

namespace {

namespace core = hexcribe;
namespace res = hexcribe::res;

constexpr auto kStrings = [] {
  std::array<core::VersionStringView, std::size(res::kVersionStrings)> out{};
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = {res::kVersionStrings[i].name, res::kVersionStrings[i].value};
  return out;
}();

constexpr std::uint32_t kVersionMs = (std::uint32_t{res::kVersionNumbers[0]} << 16) | res::kVersionNumbers[1];
constexpr std::uint32_t kVersionLs = (std::uint32_t{res::kVersionNumbers[2]} << 16) | res::kVersionNumbers[3];

constexpr auto kTables = [] {
  std::array<core::VersionTableView, std::size(res::kVersionLanguages)> out{};
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = {res::kVersionLanguages[i], kStrings};
  return out;
}();
constexpr auto kTranslations = [] {
  std::array<core::VersionTranslation, std::size(res::kVersionTranslations)> out{};
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = {res::kVersionTranslations[i].language, res::kVersionTranslations[i].codePage};
  }
  return out;
}();
constexpr core::VersionDataView kData{
    {kVersionMs, kVersionLs, kVersionMs, kVersionLs, res::kVersionFlagsMask, res::kVersionFlags, res::kVersionOs,
     res::kVersionType, res::kVersionSubtype},
    kTranslations,
    kTables};

constexpr std::size_t kBlockSize = core::EncodeVersionBlock(kData).size();
static_assert(kBlockSize > 0, "the version data exceeds the version block's limits");

template <std::size_t N>
constexpr std::array<std::uint8_t, N> BlockBytes() {
  const auto bytes = core::EncodeVersionBlock(kData);
  std::array<std::uint8_t, N> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = bytes[i];
  return out;
}

// Nothing refers to the block (the reader finds it by section name in the file): `used` keeps the
// compiler from dropping it, `retain` keeps a linker with --gc-sections from dropping it.
[[gnu::section(".hexcribe_version"), gnu::used, gnu::retain]] constexpr std::array<std::uint8_t, kBlockSize> kVersionBlock =
    BlockBytes<kBlockSize>();

}  // namespace
