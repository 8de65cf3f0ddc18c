// Tests for StartsWith, the face-list rules and the enumeration through a fake platform.
#include "fonts/face_list.h"

#include <gtest/gtest.h>

#include "platform/platform.h"

namespace hexcribe {

// The fake platform: whatever the test puts here is what the "system" reports.
namespace {
std::vector<std::u16string> g_rawFaces;
}  // namespace

std::vector<std::u16string> platform::EnumerateRawFontFaces() { return g_rawFaces; }

namespace {

struct StartsWithCase {
  std::u16string text;
  std::u16string prefix;
  bool ignoreCase;
  bool expected;
};

class StartsWithTest : public ::testing::TestWithParam<StartsWithCase> {};

TEST_P(StartsWithTest, ComparesTheHead) {
  const StartsWithCase& c = GetParam();
  int length = -7;
  EXPECT_EQ(StartsWith(c.text, c.prefix, c.ignoreCase, &length), c.expected);
  EXPECT_EQ(length, static_cast<int>(c.prefix.size()));  // reported even when the text is too short
  EXPECT_EQ(StartsWith(c.text, c.prefix, c.ignoreCase), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartsWithTest,
    ::testing::Values(StartsWithCase{u"@MS Gothic", u"@", false, true}, StartsWithCase{u"", u"@", false, false},
                      StartsWithCase{u"MS @Gothic", u"@", false, false}, StartsWithCase{u"x", u"", false, true},
                      StartsWithCase{u"Tahoma", u"taho", false, false}, StartsWithCase{u"Tahoma", u"taho", true, true},
                      StartsWithCase{u"Ta", u"Tahoma", true, false}, StartsWithCase{u"Tahoma", u"Tahoma", false, true},
                      // The C runtime's case rule: only A-Z fold.
                      StartsWithCase{u"\u00C4b", u"\u00E4B", true, false},
                      StartsWithCase{u"\uB098\uB214", u"\uB098", true, true}));

struct FaceListCase {
  const char* name;
  std::vector<std::u16string> raw;
  std::vector<std::u16string> expected;
};

class BuildFaceListTest : public ::testing::TestWithParam<FaceListCase> {};

TEST_P(BuildFaceListTest, FiltersDeduplicatesAndSorts) {
  EXPECT_EQ(BuildFaceList(GetParam().raw), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildFaceListTest,
    ::testing::Values(
        FaceListCase{"Empty", {}, {}},
        FaceListCase{"SystemAndVerticalFacesDropped",
                     {u"Terminal", u"Fixedsys", u"", u"@MS Gothic", u"@", u"Arial"},
                     {u"Arial"}},
        // Only the exact names are system faces.
        FaceListCase{"LookalikesKept",
                     {u"terminal", u"Terminal ", u"Fixedsys Excelsior", u"FIXEDSYS", u"Arial@"},
                     {u"Arial@", u"FIXEDSYS", u"Fixedsys Excelsior", u"Terminal ", u"terminal"}},
        // One report per character set: the face appears once.
        FaceListCase{"ReportedPerCharacterSet",
                     {u"Arial", u"Arial", u"Tahoma", u"Arial", u"@Batang", u"Batang", u"@Batang", u"Batang"},
                     {u"Arial", u"Batang", u"Tahoma"}},
        // Duplicates are exact: names differing in case are separate faces.
        FaceListCase{"CaseSensitiveOrder", {u"arial", u"Tahoma", u"Arial"}, {u"Arial", u"Tahoma", u"arial"}},
        // Code-unit order: Latin, then Han (U+5B8B), then Hangul (U+B9D1); a
        // surrogate pair (U+20000) sorts before a full-width letter (U+FF21).
        FaceListCase{"CodeUnitOrder",
                     {u"\uB9D1\uC740 \uACE0\uB515", u"\uFF21", u"\U00020000", u"\u5B8B\u4F53", u"MS Gothic", u"Arial"},
                     {u"Arial", u"MS Gothic", u"\u5B8B\u4F53", u"\uB9D1\uC740 \uACE0\uB515", u"\U00020000", u"\uFF21"}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(EnumerateFontFacesTest, AppliesTheRulesToThePlatformReports) {
  g_rawFaces = {u"Tahoma", u"@SimSun", u"SimSun", u"Terminal", u"Arial", u"Tahoma", u""};
  EXPECT_EQ(EnumerateFontFaces(), (std::vector<std::u16string>{u"Arial", u"SimSun", u"Tahoma"}));
  g_rawFaces.clear();
  EXPECT_TRUE(EnumerateFontFaces().empty());
}

}  // namespace
}  // namespace hexcribe
