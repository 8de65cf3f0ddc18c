// Starts a GUI program on the current X display, waits until its window is mapped and painted,
// optionally runs a command against it, closes it the way a window manager does
// (WM_DELETE_WINDOW) and reports timings, the exit status and the peak RSS.
//
// Usage: x11_window_driver [options] -- PROGRAM [ARGS...]
//   --timeout-ms N        give up when no painted window appears within N ms (default 20000)
//   --settle-ms N         wait N ms after the first paint before acting (default 0)
//   --before-close CMD    run CMD with sh -c after the window is shown; WINDOW holds its id
//   --kill-after-close-us N   SIGKILL the program N microseconds after asking it to close
//   --no-close            leave closing to --before-close (which may kill the program itself)
// Output, one key=value per line on stdout:
//   shown_ms (process start to the first paint of the mapped window), window, width, height,
//   title, hung (1 when it did not end in time after closing and was killed), exit (exit
//   code or -1), signal (terminating signal or 0), maxrss_kb.
// Exit status: 0 when the window was shown and the program ended; 2 on usage errors;
// 3 when no window was shown in time (the program is killed then).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "x_close_window.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
  long timeoutMs = 20000;
  long settleMs = 0;
  long killAfterCloseUs = -1;
  bool close = true;
  std::string beforeClose;
  std::vector<char*> program;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  int i = 1;
  for (; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--") {
      ++i;
      break;
    }
    if (arg == "--no-close") {
      options.close = false;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (arg == "--timeout-ms") {
      options.timeoutMs = std::atol(value);
    } else if (arg == "--settle-ms") {
      options.settleMs = std::atol(value);
    } else if (arg == "--kill-after-close-us") {
      options.killAfterCloseUs = std::atol(value);
    } else if (arg == "--before-close") {
      options.beforeClose = value;
    } else {
      return false;
    }
  }
  for (; i < argc; ++i) options.program.push_back(argv[i]);
  options.program.push_back(nullptr);
  return options.program.size() > 1;
}

// X errors for windows that vanish while we look at them are expected; ignore them.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

std::string WindowTitle(Display* display, Window window) {
  const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long rest = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count, &rest, &data) ==
          Success &&
      data != nullptr) {
    title.assign(reinterpret_cast<const char*>(data), count);
  }
  if (data != nullptr) XFree(data);
  return title;
}

struct Shown {
  Window window = None;
  double ms = -1;
};

// Waits for the first paint (a DAMAGE report) of a mapped top-level window of the child.
Shown WaitForFirstPaint(Display* display, int damageEvent, Clock::time_point start, long timeoutMs, pid_t child) {
  std::set<Window> mapped;
  const auto deadline = start + std::chrono::milliseconds(timeoutMs);
  while (Clock::now() < deadline) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
        // Watch the new window before it can be mapped and drawn.
        XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        XFlush(display);
      } else if (event.type == MapNotify && !event.xmap.override_redirect) {
        mapped.insert(event.xmap.window);
      } else if (event.type == damageEvent + XDamageNotify) {
        const auto* damage = reinterpret_cast<XDamageNotifyEvent*>(&event);
        if (mapped.count(damage->drawable) != 0) {
          const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
          return Shown{damage->drawable, ms};
        }
        XDamageSubtract(display, damage->damage, None, None);
      }
    }
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      // The program ended before showing anything; report it like a timeout.
      std::printf("exit=%d\nsignal=%d\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                  WIFSIGNALED(status) ? WTERMSIG(status) : 0);
      std::exit(3);
    }
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, 5);
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: %s [--timeout-ms N] [--settle-ms N] [--before-close CMD] "
                         "[--kill-after-close-us N] [--no-close] -- PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "cannot open the X display\n");
    return 2;
  }
  XSetErrorHandler(IgnoreXError);
  int damageEvent = 0;
  int damageError = 0;
  if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
    std::fprintf(stderr, "the X server has no DAMAGE extension\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = Clock::now();
  const pid_t child = fork();
  if (child < 0) return 2;
  if (child == 0) {
    close(ConnectionNumber(display));
    execvp(options.program[0], options.program.data());
    std::perror("exec");
    _exit(127);
  }

  const Shown shown = WaitForFirstPaint(display, damageEvent, start, options.timeoutMs, child);
  if (shown.window == None) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    std::printf("shown_ms=-1\n");
    return 3;
  }
  XWindowAttributes attributes{};
  XGetWindowAttributes(display, shown.window, &attributes);
  std::printf("shown_ms=%.2f\nwindow=%lu\nwidth=%d\nheight=%d\ntitle=%s\n", shown.ms, shown.window, attributes.width,
              attributes.height, WindowTitle(display, shown.window).c_str());
  std::fflush(stdout);

  if (options.settleMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(options.settleMs));
  if (!options.beforeClose.empty()) {
    const std::string id = std::to_string(shown.window);
    setenv("WINDOW", id.c_str(), 1);
    if (std::system(options.beforeClose.c_str()) != 0) std::fprintf(stderr, "--before-close command failed\n");
  }
  if (options.close) {
    hexcribe::test::SendDeleteWindow(display, shown.window);
    if (options.killAfterCloseUs >= 0) {
      std::this_thread::sleep_for(std::chrono::microseconds(options.killAfterCloseUs));
      kill(child, SIGKILL);
    }
  }

  // A program that does not end within the timeout after closing is reported
  // as hung and killed.
  int status = 0;
  rusage usage{};
  bool hung = false;
  const auto closeDeadline = Clock::now() + std::chrono::milliseconds(options.timeoutMs);
  for (;;) {
    const pid_t done = wait4(child, &status, WNOHANG, &usage);
    if (done == child || (done < 0 && errno != EINTR)) break;
    if (!hung && Clock::now() > closeDeadline) {
      hung = true;
      kill(child, SIGKILL);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  std::printf("hung=%d\nexit=%d\nsignal=%d\nmaxrss_kb=%ld\n", hung ? 1 : 0, WIFEXITED(status) ? WEXITSTATUS(status) : -1,
              WIFSIGNALED(status) ? WTERMSIG(status) : 0, usage.ru_maxrss);
  XCloseDisplay(display);
  return 0;
}
