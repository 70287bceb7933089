#include "draw/core/distinct_pick.h"

#include <algorithm>
#include <utility>

namespace ravelo::draw {

std::vector<std::size_t> PickDistinctSlots(RandomPick& pick, std::size_t remaining, std::size_t count) {
  count = std::min(count, remaining);
  std::vector<std::size_t> slots;
  slots.reserve(count);
  // Floyd's sampling: count picks for count slots, whatever the pool's size,
  // and each subset equally likely. The linear look-up is cheap at 50 names.
  for (std::size_t j = remaining - count; j < remaining; ++j) {
    const std::size_t t = pick.Pick(static_cast<std::uint32_t>(j + 1));
    slots.push_back(std::find(slots.begin(), slots.end(), t) == slots.end() ? t : j);
  }
  // Floyd's order favours late slots at the end; a shuffle evens it out.
  for (std::size_t i = slots.size(); i > 1; --i) std::swap(slots[i - 1], slots[pick.Pick(static_cast<std::uint32_t>(i))]);
  return slots;
}

}  // namespace ravelo::draw
