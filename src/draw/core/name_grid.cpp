#include "draw/core/name_grid.h"

#include <algorithm>

namespace ravelo::draw {
namespace {

// How much the cell scales a name of the given size (its limiting side).
double ScaleInCell(Size area, const NameGrid& grid, Size nameSize) {
  const double width = static_cast<double>(area.width) / grid.columns;
  const double height = static_cast<double>(area.height) / grid.rows;
  return std::min(width / std::max(nameSize.width, 1), height / std::max(nameSize.height, 1));
}

}  // namespace

NameGrid ChooseNameGrid(int count, Size area, Size nameSize) {
  count = std::max(count, 1);
  NameGrid best;
  double bestScale = -1.0;
  int bestEmpty = 0;
  for (int rows = 1; rows <= count; ++rows) {
    const int columns = (count + rows - 1) / rows;
    if ((rows - 1) * columns >= count) continue;  // a row would stay empty
    const NameGrid grid{rows, columns};
    const double scale = ScaleInCell(area, grid, nameSize);
    const int empty = rows * columns - count;
    // A hair's difference in scale is no reason to leave cells empty.
    const bool larger = scale > bestScale * 1.0001;
    const bool asLarge = !larger && scale >= bestScale * 0.9999;
    if (larger || (asLarge && empty < bestEmpty)) {
      best = grid;
      bestScale = scale;
      bestEmpty = empty;
    }
  }
  return best;
}

std::vector<Rect> NameGridCells(const NameGrid& grid, int count, Size area) {
  std::vector<Rect> cells;
  count = std::clamp(count, 0, grid.rows * grid.columns);
  cells.reserve(static_cast<std::size_t>(count));
  // Edges at whole pixels from the exact shares, so cells tile the area.
  const auto edge = [](int total, int parts, int index) {
    return static_cast<int>(static_cast<long long>(total) * index / parts);
  };
  for (int i = 0; i < count; ++i) {
    const int row = i / grid.columns;
    const int column = i % grid.columns;
    const int inRow = std::min(grid.columns, count - row * grid.columns);
    const int top = edge(area.height, grid.rows, row);
    const int bottom = edge(area.height, grid.rows, row + 1);
    // A short last row: its cells as wide as the others, the row centred.
    const int shift = (edge(area.width, grid.columns, grid.columns - inRow) - edge(area.width, grid.columns, 0)) / 2;
    const int left = edge(area.width, grid.columns, column) + shift;
    const int right = edge(area.width, grid.columns, column + 1) + shift;
    cells.push_back(Rect{left, top, right - left, bottom - top});
  }
  return cells;
}

}  // namespace ravelo::draw
