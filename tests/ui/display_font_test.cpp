// Tests for filling the Font list and the display font's lifetime on a fake window.
#include "ui/display_font.h"

#include <gtest/gtest.h>

#include "fake_window.h"

namespace hexcribe {
namespace {

using test::FakeWindow;

TEST(FillComboBoxTest, ReplacesTheItemsInListOrder) {
  std::vector<std::string> log;
  FakeWindow window(log);
  window.SetItems(ui::kFontList, {u"Old", u"Older"});
  FillComboBox(window, ui::kFontList, {u"Tahoma", u"Arial", u"\uB098\uB214\uACE0\uB515"});
  EXPECT_EQ(window.ItemsOf(ui::kFontList),
            (std::vector<std::u16string>{u"Tahoma", u"Arial", u"\uB098\uB214\uACE0\uB515"}));
  FillComboBox(window, ui::kFontList, {});
  EXPECT_TRUE(window.ItemsOf(ui::kFontList).empty());
}

TEST(FillComboBoxTest, StopsWhenTheControlRefusesToDelete) {
  std::vector<std::string> log;
  FakeWindow window(log);
  window.SetItems(ui::kFontList, {u"Stuck"});
  window.stuckList = true;
  FillComboBox(window, ui::kFontList, {u"Arial"});
  EXPECT_EQ(window.deletes, 1);
}

struct FaceCase {
  const char* name;
  std::vector<std::u16string> items;
  int selection;
  std::u16string face;
};

class DisplayFontFaceTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(DisplayFontFaceTest, MadeFromTheListTextAndGivenToTheInputBoxOnly) {
  const FaceCase& c = GetParam();
  std::vector<std::string> log;
  FakeWindow window(log);
  window.SetItems(ui::kFontList, c.items);
  window.Select(ui::kFontList, c.selection);
  DisplayFont font(window);
  ApplyDisplayFont(font);

  ASSERT_EQ(window.liveFonts().size(), 1u);
  EXPECT_EQ(*window.liveFonts().begin(), font.handle());
  EXPECT_EQ(window.SizeOf(font.handle()), 260);
  EXPECT_EQ(window.FaceOf(font.handle()), c.face);
  EXPECT_EQ(window.ControlFont(ui::kInputBox), font.handle());
  for (int other : {ui::kFontList, ui::kResultBox, ui::kSeparationList}) EXPECT_EQ(window.ControlFont(other), 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, DisplayFontFaceTest,
                         ::testing::Values(FaceCase{"Selected", {u"Arial", u"Tahoma"}, 1, u"Tahoma"},
                                           // No selection: empty face, the platform's default.
                                           FaceCase{"NothingSelected", {u"Arial", u"Tahoma"}, -1, u""},
                                           FaceCase{"EmptyList", {}, -1, u""},
                                           // The text is used as it is, spaces included.
                                           FaceCase{"Untrimmed", {u" Tahoma "}, 0, u" Tahoma "}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(DisplayFontTest, KeepsAtMostOneFontAliveAndNeverLeavesADestroyedOneInUse) {
  std::vector<std::string> log;
  FakeWindow window(log);
  window.SetItems(ui::kFontList, {u"Arial", u"Tahoma"});
  {
    DisplayFont font(window);
    for (int selection : {0, 1, -1, 1}) {
      window.Select(ui::kFontList, selection);
      ApplyDisplayFont(font);
      EXPECT_EQ(window.liveFonts().size(), 1u);
      EXPECT_EQ(window.ControlFont(ui::kInputBox), font.handle());
    }
    EXPECT_EQ(window.FaceOf(font.handle()), u"Tahoma");
  }
  // Destroyed with its owner; the box went back to its default font first.
  EXPECT_TRUE(window.liveFonts().empty());
  EXPECT_EQ(window.ControlFont(ui::kInputBox), 0u);
  EXPECT_EQ(window.badDestroys, 0);
  EXPECT_EQ(window.destroyedWhileInUse, 0);
}

TEST(DisplayFontTest, FailedCreationLeavesTheBoxOnItsDefaultFont) {
  std::vector<std::string> log;
  FakeWindow window(log);
  window.SetItems(ui::kFontList, {u"Arial"});
  window.Select(ui::kFontList, 0);
  DisplayFont font(window);
  ApplyDisplayFont(font);
  window.failFontCreation = true;
  ApplyDisplayFont(font);
  EXPECT_EQ(font.handle(), 0u);
  EXPECT_TRUE(window.liveFonts().empty());
  EXPECT_EQ(window.ControlFont(ui::kInputBox), 0u);
  font.Release();  // nothing to release: no second destroy
  window.failFontCreation = false;
  ApplyDisplayFont(font);
  EXPECT_EQ(window.liveFonts().size(), 1u);
  EXPECT_EQ(window.badDestroys, 0);
}

}  // namespace
}  // namespace hexcribe
