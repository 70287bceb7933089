#include "shared/core/reading_order.h"

#include <gtest/gtest.h>

namespace ravelo {
namespace {

Rect Box(int left, int top, int right, int bottom) { return {left, top, right - left, bottom - top}; }

TEST(ReadingOrder, GoesBoxByBoxAndRowByRowWithOutsidersInTheirPlace) {
  // Two boxes side by side above two more, a button row below them, and a
  // close box in the headline; the controls were made in no useful order.
  const Rect groups[] = {Box(16, 56, 416, 240), Box(424, 56, 632, 240), Box(16, 264, 416, 384),
                         Box(424, 264, 632, 384)};
  const Rect controls[] = {
      Box(448, 72, 544, 84),   // 0: first link, upper right box
      Box(448, 96, 544, 108),  // 1: second link
      Box(80, 104, 209, 129),  // 2: second edit, upper left box
      Box(352, 102, 377, 127), // 3: the swatch beside it, two pixels higher
      Box(80, 72, 209, 97),    // 4: first edit
      Box(200, 408, 258, 430), // 5: OK, outside every box
      Box(104, 312, 129, 337), // 6: swatch, lower left box
      Box(432, 336, 625, 353), // 7: check box, lower right box
      Box(624, 8, 636, 20),    // 8: close box, headline
      Box(295, 408, 353, 430), // 9: cancel
  };
  const std::vector<std::size_t> expected{8, 4, 2, 3, 0, 1, 6, 7, 5, 9};
  EXPECT_EQ(ReadingOrder(controls, groups), expected);
}

TEST(ReadingOrder, ShortNeighboursShareARowOnlyWhenTheyOverlapByHalf) {
  // A 12-pixel link left of a 25-pixel box: 5 pixels below the box's top it
  // shares the box's row and comes first; overlapping by 4 pixels it starts
  // the next row.
  const Rect sharing[] = {Box(10, 5, 60, 17), Box(100, 0, 200, 25)};
  EXPECT_EQ(ReadingOrder(sharing, {}), (std::vector<std::size_t>{0, 1}));
  const Rect below[] = {Box(10, 21, 60, 33), Box(100, 0, 200, 25)};
  EXPECT_EQ(ReadingOrder(below, {}), (std::vector<std::size_t>{1, 0}));
  EXPECT_TRUE(ReadingOrder({}, {}).empty());
}

}  // namespace
}  // namespace ravelo
