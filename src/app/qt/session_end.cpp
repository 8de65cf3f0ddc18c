// Session-end signals and the session manager's save request, delivered on the event loop.
#include "app/qt/session_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace hexcribe::app::qt {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe's write end, the one thing the handler touches.
volatile std::sig_atomic_t writeFd = -1;

extern "C" void OnSessionSignal(int) {
  const int saved = errno;
  const char byte = 1;
  // A full pipe already holds an unread wake-up; nothing else to do.
  [[maybe_unused]] const ssize_t written = ::write(writeFd, &byte, 1);
  errno = saved;
}

}  // namespace

SessionEndWatcher::SessionEndWatcher(std::function<void()> onEnd) : onEnd_(std::move(onEnd)) {
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { Notify(); });
  }
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;  // no signal saves, the program still runs
  readFd_ = fds[0];
  writeFd = fds[1];
  notifier_ = std::make_unique<QSocketNotifier>(readFd_, QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
    char buffer[64];
    while (::read(readFd_, buffer, sizeof buffer) > 0) {
    }
    Notify();
  });
  struct sigaction action {};
  action.sa_handler = OnSessionSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

SessionEndWatcher::~SessionEndWatcher() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  if (readFd_ >= 0) {
    for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
    notifier_.reset();
    const int fd = writeFd;
    writeFd = -1;
    ::close(fd);
    ::close(readFd_);
  }
}

void SessionEndWatcher::Notify() {
  if (notified_) return;
  notified_ = true;
  if (onEnd_) onEnd_();
}

}  // namespace hexcribe::app::qt
