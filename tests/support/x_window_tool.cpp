// Small X11 helper for the tests that drive the real window: closes a window the way a window
// manager does, or moves the keyboard focus to the root window.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "x_close_window.h"

namespace {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};

int FocusRoot(Display* display) {
  XSetInputFocus(display, DefaultRootWindow(display), RevertToPointerRoot, CurrentTime);
  XSync(display, False);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s close WINDOW_ID | focus-root\n", argv[0]);
    return 2;
  }
  std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
  if (!display) {
    std::fprintf(stderr, "cannot open display\n");
    return 1;
  }
  if (std::strcmp(argv[1], "close") == 0 && argc == 3) {
    char* end = nullptr;
    const unsigned long id = std::strtoul(argv[2], &end, 0);
    if (end == argv[2] || *end != '\0' || id == 0) {
      std::fprintf(stderr, "bad window id: %s\n", argv[2]);
      return 2;
    }
    return hexcribe::test::SendDeleteWindow(display.get(), static_cast<Window>(id)) ? 0 : 1;
  }
  if (std::strcmp(argv[1], "focus-root") == 0) return FocusRoot(display.get());
  std::fprintf(stderr, "unknown command: %s\n", argv[1]);
  return 2;
}
