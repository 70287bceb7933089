#include "shared/core/name_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravelo {
namespace {

// The lines that pieces of text split into; "|" marks each line end.
std::u16string Split(const std::vector<std::u16string>& pieces) {
  std::u16string out;
  LineSplitter splitter;
  for (const std::u16string& piece : pieces) {
    EXPECT_TRUE(splitter.Feed(
        piece,
        [&out](char16_t unit) { out += unit; },
        [&out] {
          out += u'|';
          return true;
        }));
  }
  return out;
}

TEST(LineSplitter, CrLfCrAndLfEachEndOneLineAlsoAcrossPieces) {
  EXPECT_EQ(Split({u"A\r\nB\rC\nD"}), u"A|B|C|D");
  EXPECT_EQ(Split({u"A\n\rB\r\n\r\n"}), u"A||B||");
  EXPECT_EQ(Split({u"A\r", u"\nB"}), u"A|B");        // one CR LF cut in two
  EXPECT_EQ(Split({u"A\r", u"", u"\nB"}), u"A|B");
  EXPECT_EQ(Split({u"A\r", u"\r", u"\n"}), u"A||");
  EXPECT_EQ(Split({u"\n", u"\n"}), u"||");
  EXPECT_EQ(Split({u"AB", u"C"}), u"ABC");
}

TEST(LineSplitter, StopsWhenTheLineEndCallbackSaysSo) {
  LineSplitter splitter;
  int ends = 0;
  EXPECT_FALSE(splitter.Feed(
      u"A\nB\nC", [](char16_t) {}, [&ends] { return ++ends < 2; }));
  EXPECT_EQ(ends, 2);
}

}  // namespace
}  // namespace ravelo
