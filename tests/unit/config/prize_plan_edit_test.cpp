#include "config/core/prize_plan_edit.h"

#include <gtest/gtest.h>

namespace ravelo {
namespace {

TEST(PrizePlanEdit, CountsTypedAreWholeNumbersFromOneToFifty) {
  EXPECT_EQ(DrawCountInput(" 1 "), 1);
  EXPECT_EQ(DrawCountInput("50"), 50);
  for (const char* bad : {"", "  ", "0", "51", "3a", "-2", "1.5", "005"}) EXPECT_EQ(DrawCountInput(bad), std::nullopt) << bad;
  EXPECT_EQ(TrimmedPrizeTitle("\xE3\x80\x80 一等奖 "), "一等奖");  // U+3000 first
  EXPECT_EQ(TrimmedPrizeTitle("   "), "");
}

TEST(PrizePlanEdit, RoundsMoveWithinTheEndsAndTheSelectionFollows) {
  PrizePlanEdit plan({{"三等奖", 5}});
  EXPECT_FALSE(plan.Changed());
  EXPECT_EQ(plan.Add({"二等奖", 3}), 1u);
  EXPECT_EQ(plan.Add({"一等奖", 1}), 2u);
  EXPECT_EQ(plan.MoveUp(0), std::nullopt);
  EXPECT_EQ(plan.MoveDown(2), std::nullopt);
  EXPECT_EQ(plan.MoveDown(7), std::nullopt);
  EXPECT_EQ(plan.MoveUp(2), 1u);
  EXPECT_EQ(plan.MoveDown(0), 1u);
  EXPECT_EQ(plan.Rounds(), (std::vector<PrizeRound>{{"一等奖", 1}, {"三等奖", 5}, {"二等奖", 3}}));
  EXPECT_EQ(plan.Replace(3, {"特等奖", 1}), std::nullopt);
  EXPECT_EQ(plan.Replace(0, {"特等奖", 2}), 0u);
  EXPECT_TRUE(plan.Changed());
  plan.MarkSaved();
  EXPECT_FALSE(plan.Changed());

  EXPECT_EQ(plan.Remove(3), std::nullopt);
  EXPECT_EQ(plan.Remove(2), 1u) << "the last one gone: the one before it";
  EXPECT_EQ(plan.Remove(0), 0u) << "the next one moves up to its place";
  EXPECT_EQ(plan.Rounds(), (std::vector<PrizeRound>{{"三等奖", 5}}));
  EXPECT_EQ(plan.Remove(0), std::nullopt);
  EXPECT_TRUE(plan.Rounds().empty());
}

}  // namespace
}  // namespace ravelo
