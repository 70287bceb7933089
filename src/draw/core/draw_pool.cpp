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

void DrawPool::ResetWithout(std::size_t count, const std::vector<std::size_t>& drawn) {
  Reset(count);
  std::vector<bool> out(count, false);
  std::size_t outCount = 0;
  for (const std::size_t index : drawn) {
    if (index < count && !out[index]) {
      out[index] = true;
      ++outCount;
    }
  }
  if (outCount == 0 || count > UINT32_MAX) return;
  slots_.reserve(count - outCount);
  for (std::size_t i = 0; i < count; ++i)
    if (!out[i]) slots_.push_back(static_cast<std::uint32_t>(i));
  remaining_ = slots_.size();
  // An empty pool with every name drawn keeps one slot's worth of memory
  // to tell it from a full one.
  if (slots_.empty()) slots_.push_back(0);
}

std::vector<std::size_t> DrawPool::Drawn(std::size_t count) const {
  std::vector<std::size_t> drawn;
  if (slots_.empty()) return drawn;
  std::vector<bool> in(count, false);
  for (std::size_t slot = 0; slot < remaining_; ++slot)
    if (slots_[slot] < count) in[slots_[slot]] = true;
  for (std::size_t i = 0; i < count; ++i)
    if (!in[i]) drawn.push_back(i);
  return drawn;
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
