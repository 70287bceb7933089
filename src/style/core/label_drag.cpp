#include "style/core/label_drag.h"

namespace ravelo {
namespace {

float Bounded(float place, int labelSize, int contentSize) {
  if (place <= 0.0f) place = 1.0f;
  const auto farthest = static_cast<float>(contentSize - labelSize);
  if (place > farthest) place = farthest;
  // Only a label exactly as large as the content gets here at 0.
  return place == 0.0f ? 1.0f : place;
}

}  // namespace

std::optional<PointF> LabelDrag::Move(int buttons, PixelPoint inLabel, PointF labelLeftTop) const {
  if (buttons != 1) return std::nullopt;
  return PointF{labelLeftTop.x + static_cast<float>(inLabel.x - grab_.x),
                labelLeftTop.y + static_cast<float>(inLabel.y - grab_.y)};
}

PointF ReleasedPosition(PointF leftTop, Size label, Size content) {
  return {Bounded(leftTop.x, label.width, content.width), Bounded(leftTop.y, label.height, content.height)};
}

}  // namespace ravelo
