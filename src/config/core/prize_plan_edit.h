// The prize plan while the rounds form ("奖项设置") edits it: rounds added at
// the end (the order they are drawn in), replaced, removed and moved, and
// whether the plan differs from what the file holds. The counts typed in
// the form are taken only as whole numbers from 1 to 50.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/core/prize_rounds.h"

namespace ravelo {

// A count typed in a box: digits alone (blanks around them ignored), 1 to
// 50; nullopt for anything else (empty, "0", "51", "3a", "-2").
std::optional<int> DrawCountInput(std::string_view text);

// A title as typed, without the blanks around it (ideographic ones too).
std::string TrimmedPrizeTitle(std::string_view utf8);

class PrizePlanEdit {
 public:
  explicit PrizePlanEdit(std::vector<PrizeRound> rounds = {});

  const std::vector<PrizeRound>& Rounds() const { return rounds_; }
  // True when the rounds differ from those loaded or last saved.
  bool Changed() const { return rounds_ != saved_; }
  void MarkSaved() { saved_ = rounds_; }

  // Each returns the round to select afterwards; nullopt when the index is
  // out of range, the move goes past an end, or (Remove) none is left.
  std::size_t Add(PrizeRound round);
  std::optional<std::size_t> Replace(std::size_t index, PrizeRound round);
  std::optional<std::size_t> Remove(std::size_t index);
  std::optional<std::size_t> MoveUp(std::size_t index);
  std::optional<std::size_t> MoveDown(std::size_t index);

 private:
  std::vector<PrizeRound> rounds_;
  std::vector<PrizeRound> saved_;
};

}  // namespace ravelo
