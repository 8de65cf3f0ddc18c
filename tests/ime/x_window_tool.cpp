// Small X11 helper for the input-method test: closes a window the way a window
// manager does, or moves the keyboard focus to the root window.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};

// Sends WM_DELETE_WINDOW, which is what a window manager's close box does;
// the toolkit then runs its normal close path (unlike XDestroyWindow).
int CloseWindow(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  if (XSendEvent(display, window, False, NoEventMask, &event) == 0) return 1;
  XSync(display, False);
  return 0;
}

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
    return CloseWindow(display.get(), static_cast<Window>(id));
  }
  if (std::strcmp(argv[1], "focus-root") == 0) return FocusRoot(display.get());
  std::fprintf(stderr, "unknown command: %s\n", argv[1]);
  return 2;
}
