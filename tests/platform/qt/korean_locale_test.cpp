// Under a Korean locale Qt lists localized family names: Latin-named saves still find their face.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <algorithm>

#include "fonts/face_list.h"
#include "fonts/prefix_search.h"
#include "platform/platform.h"
#include "platform/qt/display_font_qt.h"

namespace hexcribe::platform {
namespace {

const std::u16string kNanumGothicKorean = u"\uB098\uB214\uACE0\uB515";  // 나눔고딕

TEST(KoreanLocaleTest, FaceSavedUnderAnotherLocaleReselectsTheListedName) {
  const std::vector<std::u16string> faces = EnumerateFontFaces();
  ASSERT_NE(std::find(faces.begin(), faces.end(), kNanumGothicKorean), faces.end())
      << "fonts-nanum missing, or Qt does not list localized names";
  EXPECT_EQ(std::find(faces.begin(), faces.end(), u"NanumGothic"), faces.end());

  for (const char16_t* saved : {u"NanumGothic", u"nanumgothic", u"\uB098\uB214\uACE0\uB515"}) {
    const int index = FindItemByPrefix(faces, 0, CanonicalFaceName(saved));
    ASSERT_GE(index, 0);
    // Not "나눔고딕코딩", which also begins with the name.
    EXPECT_EQ(faces[static_cast<std::size_t>(index)], kNanumGothicKorean);
  }
}

TEST(KoreanLocaleTest, EmptyFaceGivesTheDefaultFaceOfThisLocale) {
  const std::optional<QFont> font = MakeDisplayFont(u"", 260, 96);
  ASSERT_TRUE(font);
  EXPECT_EQ(QFontInfo(*font).family(), QFontInfo(QFont()).family());
}

}  // namespace
}  // namespace hexcribe::platform
