// The profile file contract as data: reads and writes with the results Windows gives.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace hexcribe::testing {

struct ReadCase {
  const char* name;
  std::string file;
  std::u16string section;
  std::u16string key;
  std::u16string def;
  std::size_t capacity;
  std::u16string expected;
};

struct Write {
  std::u16string section;
  std::u16string key;
  std::u16string value;
};

struct WriteCase {
  const char* name;
  std::string before;
  std::vector<Write> writes;
  std::string after;
};

const std::vector<ReadCase>& ReadContractCases();
const std::vector<WriteCase>& WriteContractCases();

}  // namespace hexcribe::testing
