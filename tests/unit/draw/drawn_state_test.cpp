#include "draw/core/drawn_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravelo::draw {
namespace {

using Indices = std::vector<std::size_t>;

NameList ListOf(std::initializer_list<std::u16string_view> names) {
  NameList list;
  for (const auto name : names) list.Add(name);
  return list;
}

// The drawn names of a round go out as names and come back as the same
// entries, a repeated name as often as it was drawn.
TEST(DrawnState, TheNamesOutOfThePoolComeBackAsTheSameEntries) {
  const NameList names = ListOf({u"张伟", u"王芳", u"张伟", u"李 雷", u"\U00020000伟", u"\xD800"});
  DrawPool pool;
  pool.Reset(names.size());
  EXPECT_EQ(DrawnStateText(names, pool), "Ravelo drawn names 0\r\n");
  pool.Remove(3);
  pool.Remove(2);
  pool.Remove(4);
  const std::string text = DrawnStateText(names, pool);
  EXPECT_EQ(text, "Ravelo drawn names 3\r\n张伟\r\n李 雷\r\n\U00020000伟\r\n");
  EXPECT_EQ(DrawnIndicesFromState(text, names), (Indices{0, 3, 4}));

  DrawPool again;
  again.ResetWithout(names.size(), *DrawnIndicesFromState(text, names));
  EXPECT_EQ(again.Remaining(), 3u);
  EXPECT_EQ(again.Drawn(names.size()), (Indices{0, 3, 4}));
  again.ResetWithout(names.size(), {0, 1, 2, 3, 3, 4, 5, 9});
  EXPECT_EQ(again.Remaining(), 0u) << "every name drawn";
  EXPECT_EQ(DrawnStateText(names, again),
            "Ravelo drawn names 6\r\n张伟\r\n王芳\r\n张伟\r\n李 雷\r\n\U00020000伟\r\n\uFFFD\r\n");
}

// The list edited between two runs: a removed name is forgotten, an added
// one is in the pool, a name drawn twice but now listed once is out once.
TEST(DrawnState, AListEditedSinceMatchesTheDrawnNamesAsAMultiset) {
  const std::string text = "Ravelo drawn names 4\r\n张伟\r\n张伟\r\n赵敏\r\n王芳\r\n";
  EXPECT_EQ(DrawnIndicesFromState(text, ListOf({u"新同学", u"王芳", u"张伟"})), (Indices{1, 2}));
  EXPECT_EQ(DrawnIndicesFromState(text, ListOf({})), Indices{});
}

TEST(DrawnState, ADamagedFileIsRefusedWhole) {
  const NameList names = ListOf({u"张伟"});
  for (const std::string bad : {"", "Ravelo drawn names\r\n", "Ravelo drawn names 2\r\n张伟\r\n",
                                "Ravelo drawn names 1\r\n张伟", "Ravelo drawn names 1\r\n\xD5\xC5\xCE\xB0\r\n",
                                "Ravelo drawn names x\r\n", "\xEF\xBB\xBFRavelo drawn names 0\r\n"}) {
    EXPECT_FALSE(DrawnIndicesFromState(bad, names).has_value()) << bad;
  }
}

}  // namespace
}  // namespace ravelo::draw
