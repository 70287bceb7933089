#include "draw/core/random_pick.h"

#include <chrono>
#include <utility>

namespace ravelo::draw {
namespace {

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;

constexpr std::uint64_t RotateLeft(std::uint64_t x, int k) {
  return (x << k) | (x >> (64 - k));
}

// The finaliser of splitmix64: every input bit affects every output bit, so
// clock readings one tick apart give unrelated values.
constexpr std::uint64_t Scramble(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

}  // namespace

std::uint64_t SystemClockReading() {
  const auto timeOfDay = std::chrono::system_clock::now().time_since_epoch().count();
  const auto counter = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<std::uint64_t>(timeOfDay) ^ RotateLeft(static_cast<std::uint64_t>(counter), 32);
}

RandomPick::RandomPick(std::uint64_t seed, Clock clock) : clock_(std::move(clock)) {
  // The seeding recommended for xoshiro: consecutive splitmix64 outputs.
  for (auto& word : state_) {
    seed += kGoldenGamma;
    word = Scramble(seed);
  }
}

RandomPick RandomPick::FromSystemClock() {
  return RandomPick(SystemClockReading(), SystemClockReading);
}

void RandomPick::MixIn(std::uint64_t clockReading) {
  state_[0] ^= Scramble(clockReading + kGoldenGamma);
  // The all-zero state is the generator's one fixed point; leave it at once.
  if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0) state_[0] = kGoldenGamma;
}

std::uint64_t RandomPick::NextRaw() {
  const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
  const std::uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = RotateLeft(state_[3], 45);
  return result;
}

std::uint32_t RandomPick::Pick(std::uint32_t count) {
  if (clock_) MixIn(clock_());
  if (count <= 1) return 0;
  // 2^64 mod count: raw values below it are the surplus that would make the
  // remainder favour small indices; the rest is a whole number of rounds.
  const std::uint64_t n = count;
  const std::uint64_t surplus = (0 - n) % n;
  for (;;) {
    const std::uint64_t raw = NextRaw();
    if (raw >= surplus) return static_cast<std::uint32_t>(raw % n);
  }
}

}  // namespace ravelo::draw
