// Prints the title this program reads from its own version data; CTest checks the line.
#include <cstdio>
#include <string>

#include "version/product_version.h"

int main() {
  const std::u16string title = hexcribe::MakeTitleText();
  std::string line;
  for (char16_t unit : title) line.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  std::puts(line.c_str());
  return 0;
}
