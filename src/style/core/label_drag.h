// Dragging the caption and the text line inside the content area: the point
// grabbed stays under the pointer while the left button alone is held, with
// no bound while moving; on release the label is pulled back inside.
#pragma once

#include <optional>

#include "shared/core/frame_layout.h"

namespace ravelo {

struct PixelPoint {
  int x = 0;
  int y = 0;
};

// One grab for both labels: each press overwrites it, and a move that
// arrives without a press on the same label uses the last one.
class LabelDrag {
 public:
  // A button (any) went down at a point inside the label.
  void Press(PixelPoint inLabel) { grab_ = inLabel; }
  // The pointer moved to a point inside the label (relative to where the
  // label stands now) with these buttons held (1 left, 2 right, 4 middle):
  // the label's new left and top, or nothing when it does not move.
  std::optional<PointF> Move(int buttons, PixelPoint inLabel, PointF labelLeftTop) const;

 private:
  PixelPoint grab_;
};

// Where a label released at leftTop stands after the bounds: a left or top
// below 1 becomes 1, then a right or bottom edge beyond the content's is
// brought flush with it (so a label larger than the content ends at a
// negative left or top). A place of exactly 0 is never kept: the draw
// window reads a 0 among the saved positions as "centre both labels".
PointF ReleasedPosition(PointF leftTop, Size label, Size content);

}  // namespace ravelo
