// The names still in the draw when a drawn name leaves it ("不重复抽取").
// The pool holds indices into the name list, never copies of names: nothing
// at all while every name is in, then one 32-bit index per remaining name
// from the first name that leaves. A pick chooses a slot in [0, Remaining())
// uniformly and shows the name at that slot, so every remaining name has the
// same chance (a name on two lines is two entries, as in the list).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ravelo::draw {

class DrawPool {
 public:
  // Every one of count names is in the pool again.
  void Reset(std::size_t count);
  // The count names are in the pool except those at the drawn indices (a
  // round carried over from an earlier run); indices past count are ignored.
  void ResetWithout(std::size_t count, const std::vector<std::size_t>& drawn);

  std::size_t Remaining() const { return remaining_; }

  // The name index at a slot in [0, Remaining()).
  std::size_t At(std::size_t slot) const { return slots_.empty() ? slot : slots_[slot]; }

  // The name leaves the pool; false when it is not (or no longer) in it.
  bool Remove(std::size_t nameIndex);

  // The indices below count that are out of the pool, ascending.
  std::vector<std::size_t> Drawn(std::size_t count) const;

 private:
  std::size_t remaining_ = 0;
  // Empty while no name has left: slot i then holds name i. Otherwise the
  // first remaining_ entries are the names still in, in no order.
  std::vector<std::uint32_t> slots_;
};

}  // namespace ravelo::draw
