// GoogleTest port overrides for mingw-w64's win32 thread model, which has no std::mutex.
// GoogleTest otherwise uses its own Win32 locks; only its Notification (used
// solely by GoogleTest's self-tests) needs std::mutex, so a lock-free one stands in.
#ifndef HEXCRIBE_GTEST_MINGW_CUSTOM_GTEST_PORT_H_
#define HEXCRIBE_GTEST_MINGW_CUSTOM_GTEST_PORT_H_

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_.store(true); }
  // Spins: this thread model offers no waiting primitive in the standard library.
  void WaitForNotification() {
    while (!notified_.load()) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal

#endif  // HEXCRIBE_GTEST_MINGW_CUSTOM_GTEST_PORT_H_
