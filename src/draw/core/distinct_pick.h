// Several names in one draw, never the same entry twice: count different
// slots of the pool, every set of slots equally likely, shown in a random
// order (so the first cell is no likelier to hold a low slot).
#pragma once

#include <cstddef>
#include <vector>

#include "draw/core/random_pick.h"

namespace ravelo::draw {

// count different slots of [0, remaining); all of them when fewer remain.
std::vector<std::size_t> PickDistinctSlots(RandomPick& pick, std::size_t remaining, std::size_t count);

}  // namespace ravelo::draw
