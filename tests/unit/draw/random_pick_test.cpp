#include "draw/core/random_pick.h"

#include "draw/core/draw_pool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace ravelo::draw {
namespace {

// Every test uses a fixed seed and a clock it controls, so the statistics are
// the same on every run and a check cannot flake.

RandomPick::Clock CountingClock(std::uint64_t start = 1000) {
  return [t = start]() mutable { return t++; };
}

RandomPick::Clock FrozenClock(std::uint64_t reading = 0x0123456789ABCDEFULL) {
  return [reading] { return reading; };
}

// Upper critical values of the chi-square distribution at significance 0.001.
double ChiSquareCritical(std::size_t degreesOfFreedom) {
  switch (degreesOfFreedom) {
    case 1: return 10.828;
    case 2: return 13.816;
    case 9: return 27.877;
    case 15: return 37.697;
    case 255: return 330.520;
  }
  ADD_FAILURE() << "no critical value for " << degreesOfFreedom << " degrees of freedom";
  return 0;
}

// Whether `samples` picks in [0, count), sorted into `bins` buckets by range
// (index * bins / count) or by the index's low bits, pass a chi-square test
// against equal expected counts.
bool LooksUniform(RandomPick& pick, std::uint32_t count, std::size_t bins, int samples, bool byLowBits = false) {
  std::vector<double> observed(bins, 0);
  for (int i = 0; i < samples; ++i) {
    const std::uint32_t index = pick.Pick(count);
    if (index >= count) {
      ADD_FAILURE() << "index " << index << " outside [0, " << count << ")";
      return false;
    }
    ++observed[byLowBits ? index % bins : static_cast<std::size_t>(std::uint64_t{index} * bins / count)];
  }
  const double expected = static_cast<double>(samples) / static_cast<double>(bins);
  double chiSquare = 0;
  for (const double o : observed) chiSquare += (o - expected) * (o - expected) / expected;
  return chiSquare < ChiSquareCritical(bins - 1);
}

TEST(RandomPick, SameSeedAndClockGiveTheSamePicksOnEveryPlatform) {
  // Values from an independent reimplementation of the algorithm; the unit
  // tests run natively and under Windows, so both builds must produce them.
  RandomPick pick(42, CountingClock(1000));
  std::vector<std::uint32_t> got;
  for (std::uint32_t count : {10u, 10u, 10u, 3u, 3u, 1000000u, 2147483647u, 4294967295u, 7u, 7u}) {
    got.push_back(pick.Pick(count));
  }
  EXPECT_EQ(got, (std::vector<std::uint32_t>{2, 6, 5, 2, 2, 883390, 1378907390, 4146641311u, 2, 2}));
}

TEST(RandomPick, ASingleNameIsAlwaysPicked) {
  RandomPick pick(5, CountingClock());
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(pick.Pick(1), 0u);
  EXPECT_EQ(pick.Pick(0), 0u);
}

TEST(RandomPick, PicksAreUniformForSmallAndHugeCounts) {
  // 3 * 2^29: a 32-bit remainder would favour the lower two thirds; low
  // bits: a floating-point scale of a huge count leaves them unused.
  const struct {
    std::uint32_t count;
    std::size_t bins;
    bool byLowBits;
  } rows[] = {{2, 2, false},           {3, 3, false},         {10, 10, false}, {3u << 29, 3, false},
              {4294967295u, 16, false}, {2147483647u, 256, true}};
  RandomPick pick(77, CountingClock());
  for (const auto& row : rows) {
    const int samples = static_cast<int>(std::min<std::size_t>(row.bins * 4000, 60000));
    EXPECT_TRUE(LooksUniform(pick, row.count, row.bins, samples, row.byLowBits)) << row.count;
  }
  // A clock that never moves (a coarse timer) must not make the picks stick.
  RandomPick frozen(31337, FrozenClock());
  EXPECT_TRUE(LooksUniform(frozen, 10, 10, 50000));
}

// Draws without repeats: the pick is uniform over the slots [0, Remaining()),
// so the pool is fair when its slots hold exactly the names left, each once.
// Each row leaves `remaining` of `total` names.
TEST(DrawPool, ItsSlotsHoldExactlyTheNamesLeftAsItShrinks) {
  struct Row {
    std::uint32_t total;
    std::uint32_t remaining;
  };
  const Row rows[] = {{3, 3}, {3, 2}, {10, 3}, {20, 10}, {17, 16}, {300, 2}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.total) + " names, " + std::to_string(row.remaining) + " left");
    DrawPool pool;
    pool.Reset(row.total);
    // Every third name leaves first, then names from the top, so that the
    // names left are spread over the list and the slots are reordered.
    std::vector<std::uint32_t> leaving;
    for (std::uint32_t i = 0; i < row.total; i += 3) leaving.push_back(i);
    for (std::uint32_t i = row.total; i-- > 0;)
      if (i % 3 != 0) leaving.push_back(i);
    leaving.resize(row.total - row.remaining);
    std::set<std::size_t> left;
    for (std::uint32_t i = 0; i < row.total; ++i) left.insert(i);
    for (const std::uint32_t name : leaving) {
      ASSERT_TRUE(pool.Remove(name));
      left.erase(name);
    }
    EXPECT_FALSE(pool.Remove(row.total)) << "no such name";
    if (!leaving.empty()) {
      EXPECT_FALSE(pool.Remove(leaving.front())) << "a name leaves once";
    }

    std::vector<std::size_t> slots;
    for (std::size_t slot = 0; slot < pool.Remaining(); ++slot) slots.push_back(pool.At(slot));
    std::sort(slots.begin(), slots.end());
    EXPECT_EQ(slots, std::vector<std::size_t>(left.begin(), left.end()));
  }
}

TEST(SystemClockReading, AdvancesBetweenReadings) {
  const std::uint64_t first = SystemClockReading();
  std::uint64_t later = first;
  for (int i = 0; i < 1000000 && later == first; ++i) later = SystemClockReading();
  EXPECT_NE(later, first);
}

}  // namespace
}  // namespace ravelo::draw
