// The drop-down list's own prefix search, for toolkits that do not offer it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hexcribe {

// Index of the first item whose text begins with prefix, ignoring case,
// searching from startIndex + 1 to the end and then from 0 up to startIndex;
// -1 when none matches.
int FindItemByPrefix(const std::vector<std::u16string>& items, int startIndex, std::u16string_view prefix);

}  // namespace hexcribe
