// The portable dialog over the real settings store in a scratch configuration
// folder: what the settings file holds after each start and each shutdown.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "fake_window.h"
#include "ui/main_dialog.h"

namespace hexcribe::ui {
namespace {

namespace fs = std::filesystem;

class SettingsRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/hexcribe-ui-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    const char* old = getenv("XDG_CONFIG_HOME");
    if (old) savedConfig_ = old;
    hadConfig_ = old != nullptr;
    setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
  }
  void TearDown() override {
    if (hadConfig_) {
      setenv("XDG_CONFIG_HOME", savedConfig_.c_str(), 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
    fs::remove_all(root_);
  }
  fs::path SettingsFile() const { return root_ / "config" / "Hexcribe" / "setting.ini"; }
  std::string FileText() const {
    std::ifstream in(SettingsFile(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // One run of the program: start, the user's edit, close.
  void Run(const std::function<void(test::FakeWindow&)>& edit) {
    std::vector<std::string> log;
    test::FakeWindow window(log);
    // Settings through the real store; faces, title and clipboard from the fake.
    test::RecordingServices services(&log, test::RecordingServices::Settings::kReal);
    MainDialog dialog(window, services);
    const bool existed = fs::exists(SettingsFile());
    const std::string before = existed ? FileText() : std::string();
    dialog.OnInitDialog();
    EXPECT_EQ(fs::exists(SettingsFile()), existed) << "a start must create no file";
    if (existed) {
      EXPECT_EQ(FileText(), before) << "a start must change nothing";
    }
    edit(window);
    dialog.OnDestroy();
  }

  fs::path root_;
  std::string savedConfig_;
  bool hadConfig_ = false;
};

TEST_F(SettingsRoundTrip, FirstRunCreatesTheFolderAndSavesOnlyAtShutdown) {
  std::vector<std::string> log;
  test::FakeWindow window(log);
  test::RecordingServices services(&log, test::RecordingServices::Settings::kReal);
  MainDialog dialog(window, services);
  ASSERT_TRUE(dialog.OnInitDialog());
  EXPECT_TRUE(fs::is_directory(root_ / "config" / "Hexcribe"));
  EXPECT_FALSE(fs::exists(SettingsFile()));
  EXPECT_EQ(window.RawText(kResultBox), u"Print 'U::';");
  EXPECT_EQ(window.RawText(kFontList), u"Tahoma");
  dialog.OnDestroy();
  EXPECT_EQ(FileText(), "[gen]\r\nuni_font=Tahoma\r\nmlang_text=\r\n");
}

TEST_F(SettingsRoundTrip, FaceAndTheWholeBoxComeBack) {
  Run([](test::FakeWindow& w) {
    w.Select(kFontList, 1);
    w.Type(kInputBox, u"A" + std::u16string(kInputLimit - 1, u'\uD55C'));
  });
  const std::string text = FileText();
  EXPECT_NE(text.find("uni_font=DejaVu Sans\r\n"), std::string::npos) << text;
  const std::string expectedHex = "mlang_text=4100" + [] {
    std::string hex;
    for (std::size_t i = 1; i < kInputLimit; ++i) hex += "5CD5";
    return hex;
  }() + "\r\n";
  EXPECT_NE(text.find(expectedHex), std::string::npos) << text;

  Run([](test::FakeWindow& seen) {
    EXPECT_EQ(seen.RawText(kFontList), u"DejaVu Sans");
    EXPECT_EQ(seen.RawText(kInputBox), u"A" + std::u16string(kInputLimit - 1, u'\uD55C'));
    EXPECT_EQ(seen.RawText(kResultBox).substr(0, 20), u"Print 'U::41 00 5C D");
  });
  EXPECT_EQ(FileText(), text);  // an unchanged run saves the same file
}

}  // namespace
}  // namespace hexcribe::ui
