#include "shared/core/prize_rounds.h"

#include <gtest/gtest.h>

#include "unit/shared/scratch_folder.h"

namespace ravelo {
namespace {

TEST(PrizeRounds, ReadsWhatPeopleTypeAndBringsCountsIntoRange) {
  EXPECT_EQ(ParsePrizeRounds(u"三等奖\t5\r\n二等奖\t3\n\n 一等奖 \t1\r特别奖\n大奖\t99\n鼓励奖\tx\n\t4\n"),
            (std::vector<PrizeRound>{{"三等奖", 5}, {"二等奖", 3}, {"一等奖", 1}, {"特别奖", 1}, {"大奖", 50},
                                     {"鼓励奖", 1}}));
  EXPECT_EQ(ParsePrizeRounds(u"a\tb\t2"), (std::vector<PrizeRound>{{"a\tb", 2}}));  // the last tab counts
  EXPECT_EQ(ParsePrizeRounds(u"零\t0\n负\t-3"), (std::vector<PrizeRound>{{"零", 1}, {"负", 1}}));
}

TEST(PrizeRounds, AWrittenPlanReadsBackInEveryEncodingTheReaderKnows) {
  const std::vector<PrizeRound> plan{{"三等奖", 5}, {"二等奖", 3}, {"一等奖", 1}};
  const std::string bytes = PrizeRoundsFileText(plan);
  EXPECT_EQ(bytes, "\xEF\xBB\xBF三等奖\t5\r\n二等奖\t3\r\n一等奖\t1\r\n");

  testing::ScratchFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder.File("rounds.txt"), bytes));
  EXPECT_EQ(ReadPrizeRounds(folder.File("rounds.txt")), plan);
  ASSERT_TRUE(WriteFileAtomically(folder.File("gbk.txt"), "\xC8\xFD\xB5\xC8\xBD\xB1\t5\r\n"));  // 三等奖 in GBK
  EXPECT_EQ(ReadPrizeRounds(folder.File("gbk.txt")), (std::vector<PrizeRound>{{"三等奖", 5}}));
  EXPECT_EQ(ReadPrizeRounds(folder.File("missing.txt")), std::nullopt);
}

TEST(PrizeRounds, CountFieldAndTitles) {
  EXPECT_EQ(DrawCountFromText(""), 1);
  EXPECT_EQ(DrawCountFromText("5"), 5);
  EXPECT_EQ(DrawCountFromText("51"), 50);
  EXPECT_EQ(DrawCountFromText("0"), 1);
  EXPECT_EQ(DrawCountFromText("abc"), 1);
  EXPECT_EQ(DrawCountFieldText(10), "10  ");
  EXPECT_EQ(DrawCountFieldText(80), "50  ");
  EXPECT_EQ(CheckPrizeTitle("一等奖"), PrizeTitleProblem::None);
  EXPECT_EQ(CheckPrizeTitle("　 "), PrizeTitleProblem::Empty);
  EXPECT_EQ(CheckPrizeTitle("一\t等"), PrizeTitleProblem::HasTabOrLineBreak);
}

}  // namespace
}  // namespace ravelo
