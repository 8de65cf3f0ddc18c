// Runs every test of the program inside one QGuiApplication started under a fixed locale.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

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
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "fonts_qt_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

}  // namespace
