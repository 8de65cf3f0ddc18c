// Tests for the Qt display font: pixel size, the default face for an empty name, the handle table.
#include "platform/qt/display_font_qt.h"

#include <gtest/gtest.h>

#include <QFontInfo>

namespace hexcribe::platform {
namespace {

struct SizeCase {
  int tenthsOfPoint;
  int dpi;
  int pixels;  // 0: no font
};

class MakeDisplayFontSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(MakeDisplayFontSizeTest, PixelSizeRoundsLikeMulDiv) {
  const SizeCase& c = GetParam();
  const std::optional<QFont> font = MakeDisplayFont(u"DejaVu Sans", c.tenthsOfPoint, c.dpi);
  if (c.pixels == 0) {
    EXPECT_FALSE(font);
    return;
  }
  ASSERT_TRUE(font);
  EXPECT_EQ(font->pixelSize(), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Cases, MakeDisplayFontSizeTest,
                         ::testing::Values(SizeCase{260, 96, 35}, SizeCase{260, 72, 26}, SizeCase{260, 90, 33},
                                           SizeCase{260, 120, 43}, SizeCase{260, 144, 52}, SizeCase{90, 96, 12},
                                           SizeCase{260, 0, 0}, SizeCase{0, 96, 0}, SizeCase{-260, 96, 0}));

TEST(MakeDisplayFontTest, NamedFaceIsUsed) {
  const std::optional<QFont> font = MakeDisplayFont(u"DejaVu Sans Mono", 260, 96);
  ASSERT_TRUE(font);
  EXPECT_EQ(QFontInfo(*font).family(), QStringLiteral("DejaVu Sans Mono"));
  EXPECT_FALSE(font->bold());
  EXPECT_FALSE(font->italic());
}

TEST(MakeDisplayFontTest, EmptyFaceGivesTheDefaultFaceNotTheFirstFamily) {
  const std::optional<QFont> font = MakeDisplayFont(u"", 260, 96);
  ASSERT_TRUE(font);
  const QString defaultFace = QFontInfo(QFont()).family();
  EXPECT_EQ(QFontInfo(*font).family(), defaultFace);
  // What a plain empty family name would have given, where that differs.
  const QString emptyFamily = QFontInfo(QFont(QString())).family();
  if (emptyFamily != defaultFace) {
    EXPECT_NE(QFontInfo(*font).family(), emptyFamily);
  }
}

TEST(DisplayFontTableTest, HandlesLiveUntilDestroyed) {
  DisplayFontTable table;
  const FontHandle first = table.Create(260, u"DejaVu Sans", 96);
  const FontHandle second = table.Create(260, u"", 96);
  ASSERT_NE(first, 0u);
  ASSERT_NE(second, 0u);
  EXPECT_NE(first, second);
  ASSERT_NE(table.Find(first), nullptr);
  EXPECT_EQ(table.Find(first)->pixelSize(), 35);
  table.Destroy(first);
  table.Destroy(first);  // twice: ignored
  table.Destroy(0);
  EXPECT_EQ(table.Find(first), nullptr);
  EXPECT_EQ(table.Find(0), nullptr);
  EXPECT_EQ(table.size(), 1u);
  EXPECT_EQ(table.Create(260, u"DejaVu Sans", 0), 0u);
  EXPECT_EQ(table.size(), 1u);
  EXPECT_NE(table.Create(260, u"DejaVu Sans"), 0u);  // primary screen: 96 dpi offscreen
}

}  // namespace
}  // namespace hexcribe::platform
