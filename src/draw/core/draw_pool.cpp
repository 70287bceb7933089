#include "draw/core/draw_pool.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace ravelo::draw {

void DrawPool::Reset(std::size_t count) {
  remaining_ = count;
  // The whole list is in: the memory goes back until a name leaves again.
  std::vector<std::uint32_t>().swap(slots_);
}

bool DrawPool::Remove(std::size_t nameIndex) {
  if (nameIndex > UINT32_MAX) return false;
  if (slots_.empty()) {
    if (nameIndex >= remaining_) return false;
    slots_.resize(remaining_);
    std::iota(slots_.begin(), slots_.end(), std::uint32_t{0});
  }
  const auto in = slots_.begin() + static_cast<std::ptrdiff_t>(remaining_);
  const auto found = std::find(slots_.begin(), in, static_cast<std::uint32_t>(nameIndex));
  if (found == in) return false;
  // The last remaining name takes the freed slot.
  *found = *(in - 1);
  --remaining_;
  return true;
}

}  // namespace ravelo::draw
