#include "config/core/prize_plan_edit.h"

#include <utility>

#include "shared/core/encoding.h"

namespace ravelo {

std::optional<int> DrawCountInput(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (text.size() > 2) return std::nullopt;
  int value = 0;
  for (const char digit : text) {
    if (digit < '0' || digit > '9') return std::nullopt;
    value = value * 10 + (digit - '0');
  }
  if (value < kMinDrawCount || value > kMaxDrawCount) return std::nullopt;
  return value;
}

std::string TrimmedPrizeTitle(std::string_view utf8) {
  const std::u16string wide = Utf8ToUtf16(utf8);
  const auto first = wide.find_first_not_of(u" \u3000");
  if (first == std::u16string::npos) return {};
  const auto last = wide.find_last_not_of(u" \u3000");
  return Utf16ToUtf8(std::u16string_view(wide).substr(first, last - first + 1));
}

PrizePlanEdit::PrizePlanEdit(std::vector<PrizeRound> rounds) : rounds_(std::move(rounds)), saved_(rounds_) {}

std::size_t PrizePlanEdit::Add(PrizeRound round) {
  rounds_.push_back(std::move(round));
  return rounds_.size() - 1;
}

std::optional<std::size_t> PrizePlanEdit::Replace(std::size_t index, PrizeRound round) {
  if (index >= rounds_.size()) return std::nullopt;
  rounds_[index] = std::move(round);
  return index;
}

std::optional<std::size_t> PrizePlanEdit::Remove(std::size_t index) {
  if (index >= rounds_.size()) return std::nullopt;
  rounds_.erase(rounds_.begin() + static_cast<std::ptrdiff_t>(index));
  if (rounds_.empty()) return std::nullopt;
  return index < rounds_.size() ? index : rounds_.size() - 1;
}

std::optional<std::size_t> PrizePlanEdit::MoveUp(std::size_t index) {
  if (index == 0 || index >= rounds_.size()) return std::nullopt;
  std::swap(rounds_[index - 1], rounds_[index]);
  return index - 1;
}

std::optional<std::size_t> PrizePlanEdit::MoveDown(std::size_t index) {
  if (index + 1 >= rounds_.size()) return std::nullopt;
  std::swap(rounds_[index], rounds_[index + 1]);
  return index + 1;
}

}  // namespace ravelo
