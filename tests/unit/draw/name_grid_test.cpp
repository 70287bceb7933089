#include "draw/core/name_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "draw/core/distinct_pick.h"

namespace ravelo::draw {
namespace {

constexpr Size kArea{560, 120};  // the text line's area: wide and low

TEST(NameGrid, PicksTheSplitThatShowsNamesLargest) {
  // Short names (three characters) side by side in one row.
  EXPECT_EQ(ChooseNameGrid(3, kArea, Size{90, 40}), (NameGrid{1, 3}));
  // Long names stack instead.
  EXPECT_EQ(ChooseNameGrid(2, kArea, Size{500, 40}), (NameGrid{2, 1}));
  // Fifty names in a square area make a grid with no empty row.
  const NameGrid fifty = ChooseNameGrid(50, Size{600, 450}, Size{90, 40});
  EXPECT_GE(fifty.rows * fifty.columns, 50);
  EXPECT_LT((fifty.rows - 1) * fifty.columns, 50);
  EXPECT_GT(fifty.rows, 1);
  EXPECT_GT(fifty.columns, 1);
  // With scales equal, fewer empty cells win: 4 names as 2 x 2, not 1 x 5 or 3 x 2.
  EXPECT_EQ(ChooseNameGrid(4, Size{200, 200}, Size{100, 100}), (NameGrid{2, 2}));
  EXPECT_EQ(ChooseNameGrid(1, kArea, Size{0, 0}), (NameGrid{1, 1}));
}

TEST(NameGrid, CellsTileTheAreaAndCentreAShortLastRow) {
  const auto cells = NameGridCells(NameGrid{2, 3}, 5, Size{301, 101});
  ASSERT_EQ(cells.size(), 5u);
  EXPECT_EQ(cells[0], (Rect{0, 0, 100, 50}));
  EXPECT_EQ(cells[2].right(), 301);  // the last column reaches the edge
  EXPECT_EQ(cells[3].top, 50);
  EXPECT_EQ(cells[3].bottom(), 101);
  // The last row's two cells sit centred: as far from the left as from the right (to a pixel).
  EXPECT_NEAR(cells[3].left, 301 - cells[4].right(), 1);
  EXPECT_EQ(cells[3].right(), cells[4].left);
}

TEST(DistinctPick, NeverTheSameSlotTwiceAndEverySlotAsLikelyInEveryCell) {
  std::uint64_t tick = 0;
  RandomPick pick(7, [&] { return tick++; });
  EXPECT_EQ(PickDistinctSlots(pick, 2, 5).size(), 2u);  // fewer left than asked: all of them
  EXPECT_TRUE(PickDistinctSlots(pick, 0, 3).empty());

  std::map<std::size_t, int> firstCell;
  std::map<std::size_t, int> anyCell;
  constexpr int kDraws = 20000;
  for (int i = 0; i < kDraws; ++i) {
    const auto slots = PickDistinctSlots(pick, 10, 3);
    ASSERT_EQ(std::set<std::size_t>(slots.begin(), slots.end()).size(), 3u);
    for (const std::size_t slot : slots) {
      ASSERT_LT(slot, 10u);
      ++anyCell[slot];
    }
    ++firstCell[slots.front()];
  }
  // Each slot is in 3 of 10 draws and first in 1 of 10: within 5 %.
  for (std::size_t slot = 0; slot < 10; ++slot) {
    EXPECT_NEAR(anyCell[slot], kDraws * 3 / 10, kDraws * 3 / 10 / 20) << slot;
    EXPECT_NEAR(firstCell[slot], kDraws / 10, kDraws / 10 / 20) << slot;
  }
}

}  // namespace
}  // namespace ravelo::draw
