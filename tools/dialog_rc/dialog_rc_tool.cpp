// Build tool: writes the dialogs' resource script (see rc_writer.h) to the file named by its argument.
#include <cstdio>

#include "tools/dialog_rc/rc_writer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: hexcribe_dialog_rc_tool OUTPUT.rc\n", stderr);
    return 2;
  }
  const auto text = hexcribe::tools::WriteDialogResources();
  if (!text) {
    std::fputs("hexcribe_dialog_rc_tool: an initial list item holds a zero character\n", stderr);
    return 1;
  }
  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  const bool written = std::fwrite(text->data(), 1, text->size(), out) == text->size();
  if (std::fclose(out) == 0 && written) return 0;
  // A cut script must not pass for an up-to-date one in the next build.
  std::perror(argv[1]);
  std::remove(argv[1]);
  return 1;
}
