// How much of an insertion fits the input box's limit: never half a pair or half a line break.
#include "ui/input_limit.h"

#include <gtest/gtest.h>

#include <string>

namespace hexcribe::ui {
namespace {

TEST(InputLimit, CutsAtTheRoomWithoutSplittingPairsOrLineBreaks) {
  const std::u16string emoji = u"\U0001F600";
  struct Case {
    const char* name;
    std::u16string text;
    std::size_t room;
    std::u16string head;
    std::size_t units;  // BoxUnits(text)
  };
  const Case cases[] = {
      {"fits", u"abc", 3, u"abc", 3},
      {"cut", u"abcdef", 4, u"abcd", 6},
      {"no room", u"abc", 0, u"", 3},
      {"pair fits", u"a" + emoji, 3, u"a" + emoji, 3},
      {"pair would be cut", u"a" + emoji, 2, u"a", 3},
      {"CR LF fits", u"a\r\nb", 3, u"a\r\n", 4},
      {"CR LF would be cut", u"a\r\nb", 2, u"a", 4},
      {"LF counts as CR LF", u"a\nb", 2, u"a", 4},
      {"lone CR counts as CR LF", u"a\rb", 3, u"a\r", 4},
      {"paragraph separator", u"a\u2029b", 3, u"a\u2029", 4},
      {"lone high surrogate", std::u16string(u"a") + u'\xD800', 2, std::u16string(u"a") + u'\xD800', 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HeadThatFits(c.text, c.room), c.head) << c.name;
    EXPECT_EQ(BoxUnits(c.text), c.units) << c.name;
  }
  const std::u16string huge(2'000'000, u'x');
  EXPECT_EQ(HeadThatFits(huge, kInputLimit).size(), kInputLimit);
}

}  // namespace
}  // namespace hexcribe::ui
