// Converts a UTF-16LE file to bare space-separated hex numbers and reports the
// best time of several runs: "seconds=<t> bytes=<n>". Used by compare_with_python.py.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "core/command_builder.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bulk_convert FILE.utf16le [OUTPUT]\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::u16string text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  double best = 1e9;
  std::string command;
  for (int run = 0; run < 5; ++run) {
    const auto start = std::chrono::steady_clock::now();
    command = hexcribe::BuildCommand(text, hexcribe::Separator::kSpace, false);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  if (argc > 2) std::ofstream(argv[2], std::ios::binary) << command;
  std::printf("seconds=%.6f bytes=%zu\n", best, bytes.size());
  return 0;
}
