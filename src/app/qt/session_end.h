// Notices the end of the session: SIGTERM, SIGHUP and SIGINT (through a
// self-pipe, so nothing but a write runs in the signal handler) and the session
// manager's request to save. Each calls back once on the event loop.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace hexcribe::app::qt {

class SessionEndWatcher final : public QObject {
 public:
  explicit SessionEndWatcher(std::function<void()> onEnd);
  ~SessionEndWatcher() override;
  SessionEndWatcher(const SessionEndWatcher&) = delete;
  SessionEndWatcher& operator=(const SessionEndWatcher&) = delete;

 private:
  void Notify();

  std::function<void()> onEnd_;
  int readFd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
  bool notified_ = false;
};

}  // namespace hexcribe::app::qt
