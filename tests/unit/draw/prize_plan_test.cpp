#include "draw/core/prize_plan.h"

#include <gtest/gtest.h>

namespace ravelo::draw {
namespace {

TEST(PrizePlan, RunsTheRoundsInOrderAndEndsUntilRestarted) {
  PrizePlan plan({{"三等奖", 2}, {"一等奖", 1}});
  EXPECT_EQ(plan.Caption(false), "");
  ASSERT_NE(plan.NextToDraw(), nullptr);
  EXPECT_EQ(plan.NextToDraw()->title, "三等奖");
  EXPECT_EQ(plan.Caption(true), "三等奖");
  plan.RoundDrawn({"张三", "李四"});
  EXPECT_EQ(plan.Caption(false), "三等奖");  // the stopped round's title stays
  EXPECT_EQ(plan.NextToDraw()->title, "一等奖");
  EXPECT_EQ(plan.Caption(true), "一等奖");
  plan.RoundDrawn({"王五"});
  EXPECT_TRUE(plan.Finished());
  EXPECT_EQ(plan.NextToDraw(), nullptr);
  EXPECT_EQ(plan.Caption(false), kPlanFinishedCaption);
  plan.RoundDrawn({"赵六"});  // nothing left to draw: ignored
  EXPECT_EQ(plan.WinnersText(), "三等奖\r\n    张三\r\n    李四\r\n\r\n一等奖\r\n    王五\r\n");

  plan.Restart();
  EXPECT_FALSE(plan.Finished());
  EXPECT_EQ(plan.NextToDraw()->title, "三等奖");
  EXPECT_EQ(plan.WinnersText(), "");
}

TEST(PrizePlan, AnEmptyPlanIsNeverFinishedAndDrawsNothing) {
  PrizePlan plan;
  EXPECT_TRUE(plan.Empty());
  EXPECT_FALSE(plan.Finished());
  EXPECT_EQ(plan.NextToDraw(), nullptr);
}

}  // namespace
}  // namespace ravelo::draw
