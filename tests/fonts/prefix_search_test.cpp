// Tests for the list's prefix search: wrap-around from the start index, case, no match.
#include "fonts/prefix_search.h"

#include <gtest/gtest.h>

namespace hexcribe {
namespace {

struct PrefixCase {
  const char* name;
  std::vector<std::u16string> items;
  int start;
  std::u16string prefix;
  int expected;
};

class FindItemByPrefixTest : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(FindItemByPrefixTest, FindsTheFirstMatchAfterTheStart) {
  const PrefixCase& c = GetParam();
  EXPECT_EQ(FindItemByPrefix(c.items, c.start, c.prefix), c.expected);
}

const std::vector<std::u16string> kFaces = {u"Arial", u"Arial Black", u"Tahoma", u"Verdana"};

INSTANTIATE_TEST_SUITE_P(
    Cases, FindItemByPrefixTest,
    ::testing::Values(
        PrefixCase{"PrefixOfAFace", kFaces, 0, u"Taho", 2},
        PrefixCase{"CaseIgnored", kFaces, 0, u"tAHOMA", 2},
        // The search begins after the start index: from 0, "Arial" finds "Arial Black" first.
        PrefixCase{"StartsAfterTheStartIndex", kFaces, 0, u"Arial", 1},
        PrefixCase{"WrapsToTheBeginning", kFaces, 1, u"Arial", 0},
        PrefixCase{"WrapsUpToTheStartIndex", kFaces, 2, u"Tahoma", 2},
        PrefixCase{"StartAtTheLastItem", kFaces, 3, u"Arial", 0},
        PrefixCase{"MinusOneSearchesFromTheTop", kFaces, -1, u"Arial", 0},
        PrefixCase{"StartBeyondTheEndSearchesFromTheTop", kFaces, 9, u"Arial", 0},
        PrefixCase{"NoMatch", kFaces, 0, u"Courier", -1},
        PrefixCase{"NameLongerThanEveryItem", kFaces, 0, u"Tahoma Bold", -1},
        PrefixCase{"EmptyNameSelectsNothing", kFaces, 0, u"", -1},
        PrefixCase{"EmptyList", {}, 0, u"Arial", -1},
        PrefixCase{"SingleItemAtTheStart", {u"Tahoma"}, 0, u"tahoma", 0},
        // Case beyond ASCII: Latin-1, Cyrillic; Hangul has no case.
        PrefixCase{"LatinOneCase", {u"\u00C9lan", u"Zeta"}, 1, u"\u00E9LAN", 0},
        PrefixCase{"CyrillicCase", {u"Arial", u"\u0429\u0438\u0442"}, 0, u"\u0449\u0418", 1},
        PrefixCase{"HangulPrefix", {u"\uB098\uB214\uACE0\uB515", u"\uB098\uB214\uACE0\uB515\uCF54\uB529"}, -1,
                   u"\uB098\uB214\uACE0\uB515", 0}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace hexcribe
