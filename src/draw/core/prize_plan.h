// A prize plan run from the draw window: the round whose title the caption
// shows, the winners of every round drawn so far, and when the plan is over.
// A round is drawn once: the start after its stop moves to the next round,
// and after the last round's stop the plan is over until it starts again
// (a reload or "重新开始本轮").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "shared/core/prize_rounds.h"

namespace ravelo::draw {

// The caption once every round of the plan has been drawn.
inline constexpr std::string_view kPlanFinishedCaption = "全部奖项已抽完";
// Information when "按奖项抽取" is on and rounds.txt holds no round.
inline constexpr std::string_view kNoPrizeRoundsMessage = "还没有设置奖项,请在配置程序的“奖项设置”中添加奖项";

class PrizePlan {
 public:
  explicit PrizePlan(std::vector<PrizeRound> rounds = {});

  bool Empty() const { return rounds_.empty(); }
  bool Finished() const { return !rounds_.empty() && drawnRounds_ == rounds_.size(); }

  // The round a start now draws: the shown one while it is undrawn, else
  // the next; nullptr when the plan is over or empty.
  const PrizeRound* NextToDraw() const;

  // A draw of NextToDraw() stopped on these winners (UTF-8 names).
  void RoundDrawn(std::vector<std::string> winners);

  // What the caption shows: the title of the round being drawn or just
  // drawn, kPlanFinishedCaption when the plan is over, empty before the
  // first start.
  std::string Caption(bool drawing) const;

  // The winners so far, a block per drawn round: its title, then a name a
  // line; CR LF line ends, for a window whose text can be copied.
  std::string WinnersText() const;

  void Restart();  // every round undrawn again, no winners

 private:
  std::vector<PrizeRound> rounds_;
  std::vector<std::vector<std::string>> winners_;  // one entry per drawn round
  std::size_t drawnRounds_ = 0;
};

}  // namespace ravelo::draw
