// The drop-down list's own prefix search, for toolkits that do not offer it.
#include "fonts/prefix_search.h"

#include <algorithm>

#include "fonts/case_fold.h"

namespace hexcribe {

namespace {

bool BeginsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
  if (text.size() < prefix.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char16_t a, char16_t b) { return FoldCase(a) == FoldCase(b); });
}

}  // namespace

int FindItemByPrefix(const std::vector<std::u16string>& items, int startIndex, std::u16string_view prefix) {
  // An empty name selects nothing: the list stays without selection, as it was saved.
  if (prefix.empty() || items.empty()) return -1;
  const auto count = static_cast<long long>(items.size());
  // A start index outside the list (-1 included) searches the whole list from item 0.
  long long first = (startIndex < 0 || startIndex >= count) ? 0 : static_cast<long long>(startIndex) + 1;
  if (first >= count) first = 0;
  for (long long step = 0; step < count; ++step) {
    const long long index = (first + step) % count;
    if (BeginsWithIgnoringCase(items[static_cast<std::size_t>(index)], prefix)) return static_cast<int>(index);
  }
  return -1;
}

}  // namespace hexcribe
