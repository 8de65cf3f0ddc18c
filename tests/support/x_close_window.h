// Closes an X window the way a window manager's close box does, for the tests that drive real windows.
#pragma once

#include <X11/Xlib.h>

namespace hexcribe::test {

// Sends WM_DELETE_WINDOW; the toolkit then runs its normal close path (unlike
// XDestroyWindow). False when the event could not be sent.
inline bool SendDeleteWindow(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  if (XSendEvent(display, window, False, NoEventMask, &event) == 0) return false;
  XSync(display, False);
  return true;
}

}  // namespace hexcribe::test
