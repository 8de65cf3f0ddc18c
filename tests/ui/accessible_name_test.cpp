// The names screen readers announce for labelled controls.
#include "ui/accessible_name.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

namespace hexcribe::ui {
namespace {

TEST(AccessibleName, ReadsLikeTheLabelWithoutMnemonicsOrLineBreaks) {
  const std::pair<std::u16string_view, std::u16string_view> names[] = {
      {u"Result of Command", u"Result of Command"}, {u"&Font", u"Font"},
      {u"Copy && Paste", u"Copy & Paste"},         {u"\uAE00\uAF34(&F)", u"\uAE00\uAF34"},
      {u"one\r\ntwo\r three ", u"one two three"}, {u"end &", u"end"},
      {u"\uBB38\uC790(&C):", u"\uBB38\uC790:"},
  };
  for (const auto& [label, name] : names) EXPECT_EQ(AccessibleName(label), name);
}

}  // namespace
}  // namespace hexcribe::ui
