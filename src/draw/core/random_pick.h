// The fair pick behind every tick of a draw: an index in [0, count) where
// each index has exactly the same chance.
//
// The generator is xoshiro256** (period 2^256 - 1). Before every pick a clock
// reading is scrambled and XOR-ed into the generator's state rather than
// replacing it, so the clock keeps stirring the sequence while two picks
// within one clock reading still differ: with a frozen clock each pick is an
// affine map of the previous state, whose cycle is as long as the
// generator's own. The bounded draw rejects the few raw values that would
// favour low indices (no modulo bias) and uses no floating point, so the same
// seed and clock give the same picks with every compiler and library.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace ravelo::draw {

// A reading of the system clock: the time of day in the platform's finest
// unit, mixed with the high-resolution monotonic counter so that readings
// taken within one time-of-day step still differ.
std::uint64_t SystemClockReading();

class RandomPick {
 public:
  using Clock = std::function<std::uint64_t()>;

  // A generator whose state is expanded from seed; clock is read before
  // every pick. Tests pass a fixed seed and a clock they control.
  RandomPick(std::uint64_t seed, Clock clock);

  // A generator seeded from SystemClockReading and reading it on every pick.
  static RandomPick FromSystemClock();

  // Re-seeds from the clock, then returns a uniformly distributed index in
  // [0, count). A count of 0 or 1 gives 0 (there is nothing else to pick).
  std::uint32_t Pick(std::uint32_t count);

 private:
  void MixIn(std::uint64_t clockReading);
  std::uint64_t NextRaw();

  std::array<std::uint64_t, 4> state_{};
  Clock clock_;
};

}  // namespace ravelo::draw
