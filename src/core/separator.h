// The separators that may stand between the command's numbers, one row each: the command builder,
// the command decoder, hexcribe-cli's options and help and the dialog's Separation list read them here.
#pragma once

#include <cstddef>
#include <string_view>

namespace hexcribe {

// A separator's value is its position in kSeparators, which is also its index in the Separation list.
enum class Separator { kSpace, kNone, kComma, kHyphen };

struct SeparatorInfo {
  Separator separator;
  std::string_view cliName;  // hexcribe-cli --separator NAME
  char character;            // what stands between two numbers; '\0' for nothing
  int listTextId;            // string-table id of the Separation list's item (texts live in src/res)
};

// In the order of the Separation list; the first is the default.
inline constexpr SeparatorInfo kSeparators[] = {
    {Separator::kSpace, "space", ' ', 200},
    {Separator::kNone, "none", '\0', 201},
    {Separator::kComma, "comma", ',', 202},
    {Separator::kHyphen, "hyphen", '-', 203},
};
inline constexpr std::size_t kSeparatorCount = std::size(kSeparators);

constexpr const SeparatorInfo& SeparatorInfoOf(Separator separator) {
  return kSeparators[static_cast<std::size_t>(separator)];
}

// The separator the Separation list's item at index stands for. Any other index, including -1 for
// no selection, joins the numbers with nothing.
constexpr Separator SeparatorAtListIndex(int index) {
  return index >= 0 && static_cast<std::size_t>(index) < kSeparatorCount ? kSeparators[index].separator
                                                                          : Separator::kNone;
}

// The text between two numbers: one character, or empty.
constexpr std::string_view SeparatorText(Separator separator) {
  const SeparatorInfo& info = SeparatorInfoOf(separator);
  return {&info.character, info.character == '\0' ? 0u : 1u};
}

// The row whose character c is; nullptr when c separates nothing.
constexpr const SeparatorInfo* FindSeparatorByCharacter(char c) {
  for (const SeparatorInfo& info : kSeparators) {
    if (c != '\0' && info.character == c) return &info;
  }
  return nullptr;
}

// The row named name on hexcribe-cli's command line; nullptr for an unknown name.
constexpr const SeparatorInfo* FindSeparatorByName(std::string_view name) {
  for (const SeparatorInfo& info : kSeparators) {
    if (info.cliName == name) return &info;
  }
  return nullptr;
}

// Every row's value is its position.
static_assert([] {
  for (std::size_t i = 0; i < kSeparatorCount; ++i) {
    if (static_cast<std::size_t>(kSeparators[i].separator) != i) return false;
  }
  return true;
}());

}  // namespace hexcribe
