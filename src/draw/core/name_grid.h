// Where several names drawn at once stand: the text line's area split into
// rows and columns of equal cells. Of every split that holds the names, the
// one whose cells show a name of the longest shape largest wins, so a
// handful of short names gets one row of large text and fifty names a grid.
#pragma once

#include <vector>

#include "shared/core/frame_layout.h"

namespace ravelo::draw {

struct NameGrid {
  int rows = 1;
  int columns = 1;
  friend bool operator==(const NameGrid&, const NameGrid&) = default;
};

// The split for count names (at least 1) in the area, for a name that
// measures nameSize at the configured font size. Of splits that show it
// equally large, the one with fewer empty cells, then fewer rows, wins.
NameGrid ChooseNameGrid(int count, Size area, Size nameSize);

// The cells of the first count places of the grid, row by row, each the
// area's share; a last row that is not full is centred. Cells cover whole
// pixels and never overlap.
std::vector<Rect> NameGridCells(const NameGrid& grid, int count, Size area);

}  // namespace ravelo::draw
