// The order in which a form's controls are reached with Tab: the order a
// reader takes in, group box by group box. Boxes (and controls standing in
// no box) are read in rows from the top, left to right within a row; inside
// a box its controls are read the same way.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "shared/core/frame_layout.h"

namespace ravelo {

// The indices of controls in reading order. Two controls (or two boxes)
// share a row when they overlap vertically by at least half the height of
// the smaller one. A control belongs to the first box that holds its centre.
std::vector<std::size_t> ReadingOrder(std::span<const Rect> controls, std::span<const Rect> groups);

}  // namespace ravelo
