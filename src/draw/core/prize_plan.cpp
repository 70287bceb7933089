#include "draw/core/prize_plan.h"

#include <utility>

namespace ravelo::draw {

PrizePlan::PrizePlan(std::vector<PrizeRound> rounds) : rounds_(std::move(rounds)) {}

const PrizeRound* PrizePlan::NextToDraw() const {
  return drawnRounds_ < rounds_.size() ? &rounds_[drawnRounds_] : nullptr;
}

void PrizePlan::RoundDrawn(std::vector<std::string> winners) {
  if (drawnRounds_ >= rounds_.size()) return;
  winners_.push_back(std::move(winners));
  ++drawnRounds_;
}

std::string PrizePlan::Caption(bool drawing) const {
  if (Finished()) return std::string(kPlanFinishedCaption);
  if (drawing && drawnRounds_ < rounds_.size()) return rounds_[drawnRounds_].title;
  if (drawnRounds_ > 0) return rounds_[drawnRounds_ - 1].title;
  return {};
}

std::string PrizePlan::WinnersText() const {
  std::string text;
  for (std::size_t round = 0; round < winners_.size(); ++round) {
    if (round > 0) text += "\r\n";
    text += rounds_[round].title + "\r\n";
    for (const std::string& name : winners_[round]) text += "    " + name + "\r\n";
  }
  return text;
}

void PrizePlan::Restart() {
  winners_.clear();
  drawnRounds_ = 0;
}

}  // namespace ravelo::draw
