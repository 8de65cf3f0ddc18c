// Runs every test of a program inside one QApplication on the offscreen platform, under a fixed
// locale (HEXCRIBE_TEST_LOCALE, C.UTF-8 unless the program names another).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

#ifndef HEXCRIBE_TEST_LOCALE
#define HEXCRIBE_TEST_LOCALE "C.UTF-8"
#endif

namespace {

class QtAppEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    // The locale decides which language's family names Qt lists; pin it so
    // the result does not depend on the caller's environment.
    setenv("LC_ALL", HEXCRIBE_TEST_LOCALE, 1);
    setenv("LANG", HEXCRIBE_TEST_LOCALE, 1);
    unsetenv("LANGUAGE");
    unsetenv("FC_LANG");
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // headless unless the caller chose otherwise
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "hexcribe_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

}  // namespace
