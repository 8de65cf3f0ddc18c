// Tests for the Qt face list: generic aliases dropped, installed faces once each, other-language names.
#include "platform/qt/font_faces_qt.h"

#include <gtest/gtest.h>

#include <iostream>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <algorithm>

#include "fonts/face_list.h"
#include "fonts/prefix_search.h"
#include "platform/platform.h"

namespace hexcribe::platform {
namespace {

const std::u16string kNanumGothic = u"NanumGothic";
const std::u16string kNanumGothicKorean = u"\uB098\uB214\uACE0\uB515";  // 나눔고딕

bool Contains(const std::vector<std::u16string>& list, const std::u16string& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

TEST(FontFacesQtTest, RawFacesAreInstalledFamiliesWithoutGenericAliases) {
  const std::vector<std::u16string> raw = EnumerateRawFontFaces();
  for (const char16_t* alias : {u"Sans Serif", u"Serif", u"Monospace"}) {
    EXPECT_FALSE(Contains(raw, alias)) << "generic alias listed";
  }
  // The packages the build installs.
  for (const char16_t* face : {u"DejaVu Sans", u"DejaVu Sans Mono", u"Noto Sans CJK KR", u"NanumGothic"}) {
    EXPECT_TRUE(Contains(raw, face)) << "missing installed face (fonts-dejavu, fonts-noto-cjk, fonts-nanum)";
  }
  const QStringList dropped = GenericAliasesInFontDatabase();
  EXPECT_TRUE(dropped.contains(QStringLiteral("Sans Serif"))) << dropped.join(u',').toStdString();
}

TEST(FontFacesQtTest, FaceListIsSortedOnceEach) {
  const std::vector<std::u16string> faces = EnumerateFontFaces();
  ASSERT_FALSE(faces.empty());
  EXPECT_TRUE(std::adjacent_find(faces.begin(), faces.end(), std::greater_equal<>()) == faces.end())
      << "not strictly ascending: a duplicate or out of order";
  EXPECT_FALSE(Contains(faces, kNanumGothicKorean)) << "the default locale lists Latin names";
}

struct AliasCase {
  const char* name;
  QStringList families;
  QSet<QString> real;
  QStringList expected;
};

class DropGenericAliasesTest : public ::testing::TestWithParam<AliasCase> {};

TEST_P(DropGenericAliasesTest, KeepsOnlyInstalledFamilies) {
  EXPECT_EQ(DropGenericAliases(GetParam().families, GetParam().real), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DropGenericAliasesTest,
    ::testing::Values(
        AliasCase{"FontconfigNames",
                  {"DejaVu Sans", "Sans Serif", "Serif", "Monospace", "Cursive", "Mono [Acme]", "Tahoma [Acme]"},
                  {"DejaVu Sans", "Mono", "Tahoma"},
                  {"DejaVu Sans", "Mono [Acme]", "Tahoma [Acme]"}},
        // A real font may carry a generic-looking name.
        AliasCase{"InstalledFontNamedSerif", {"Serif", "Sans Serif"}, {"Serif"}, {"Serif"}},
        AliasCase{"WithoutFontconfig", {"DejaVu Sans", "Serif", "Sans Serif", "Monospace", "Mono"}, {},
                  {"DejaVu Sans", "Mono"}}),
    [](const auto& p) { return std::string(p.param.name); });

struct CanonicalCase {
  const char* name;
  std::u16string saved;
  std::u16string expected;
};

class CanonicalFaceNameTest : public ::testing::TestWithParam<CanonicalCase> {};

TEST_P(CanonicalFaceNameTest, MapsToTheListedName) {
  EXPECT_EQ(CanonicalFaceName(GetParam().saved), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CanonicalFaceNameTest,
                         ::testing::Values(CanonicalCase{"Listed", kNanumGothic, kNanumGothic},
                                           CanonicalCase{"OtherLanguage", kNanumGothicKorean, kNanumGothic},
                                           CanonicalCase{"OtherCase", u"nanumgothic", kNanumGothic},
                                           CanonicalCase{"Condensed", u"DejaVu Sans Condensed", u"DejaVu Sans Condensed"},
                                           // Unknown names stay: no substitute face is picked for them.
                                           CanonicalCase{"NotInstalled", u"Tahoma", u"Tahoma"},
                                           CanonicalCase{"Prefix", u"Taho", u"Taho"},
                                           CanonicalCase{"GenericAlias", u"Sans Serif", u"Sans Serif"},
                                           CanonicalCase{"Empty", u"", u""}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(FontFacesQtTest, NameSavedUnderAKoreanLocaleReselectsItsFace) {
  const std::vector<std::u16string> faces = EnumerateFontFaces();
  const int index = FindItemByPrefix(faces, 0, CanonicalFaceName(kNanumGothicKorean));
  ASSERT_GE(index, 0);
  EXPECT_EQ(faces[static_cast<std::size_t>(index)], kNanumGothic);
}

TEST(FontFacesQtTest, OneEntryPerFamilyAndFoundryNamesSelectTheirFamily) {
  const std::vector<std::u16string> faces = EnumerateFontFaces();
  int bracketed = 0;
  for (const QString& family : QFontDatabase::families()) {
    if (!family.endsWith(u']') || !QFontDatabase::hasFamily(family)) continue;
    ++bracketed;
    // A name saved by a version that listed each foundry selects the family.
    const std::u16string plain = family.left(family.lastIndexOf(QStringLiteral(" ["))).toStdU16String();
    EXPECT_EQ(CanonicalFaceName(family.toStdU16String()), plain) << family.toStdString();
    EXPECT_EQ(std::count(faces.begin(), faces.end(), plain), 1) << family.toStdString();
  }
  for (const std::u16string& face : faces) EXPECT_FALSE(face.ends_with(u']')) << QString::fromStdU16String(face).toStdString();
  std::cout << bracketed << " family names with a foundry in the font database\n";
}

TEST(FontFacesQtTest, DefaultFaceStandsForItselfOrForTheFaceShownInItsPlace) {
  const std::vector<std::u16string> faces = EnumerateFontFaces();
  EXPECT_EQ(FaceShownForDefault(kNanumGothic), kNanumGothic);
  // Not installed here: a listed face, the one text set in it really shows.
  const std::u16string shown = FaceShownForDefault(u"Tahoma");
  EXPECT_NE(std::find(faces.begin(), faces.end(), shown), faces.end()) << QString::fromStdU16String(shown).toStdString();
  QFont font;
  font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Sans Serif")});
  EXPECT_EQ(QFontInfo(font).family().toStdU16String().starts_with(shown), true);
}

}  // namespace
}  // namespace hexcribe::platform
