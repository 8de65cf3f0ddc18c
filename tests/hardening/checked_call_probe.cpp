// A program with one call the C library can check (a formatted write into a buffer of known size):
// it shows that the build's flags turn such calls into checked ones, whether or not the real
// programs happen to make any.
#include <cstdio>

int main(int argc, char**) {
  char text[4];
  std::snprintf(text, sizeof text, "%d", argc);
  return text[0] == '1' ? 0 : 1;
}
