// Where and how large the text line shows a drawn name, so that the room can
// read all of it. A name that fits in the content area at the configured size
// stands where the layout puts the line: at its left edge, or, in the centred
// layout, centred where the layout centred the line; moved only as far as it
// takes to keep it inside the area (up from the bottom edge, left from the
// right edge, and in from the top and left edges). A name wider or taller
// than the area is shown in the largest smaller size of the same font that
// fits, centred on the area in each direction it was too large in. Every name
// is fitted afresh from the configured place and size, so the next name that
// fits gets both back.
#pragma once

#include <functional>
#include <optional>

#include "shared/core/frame_layout.h"

namespace ravelo::draw {

// The text line as the layout placed it.
struct TextLineLayout {
  PointF place;                  // left and top in the content area
  float points = 0;              // the configured font size
  std::optional<float> centreX;  // the centred layout: the x it centred the line on
};

struct TextLineFit {
  PointF place;      // left and top to show the name at
  float points = 0;  // the font size to show it in
  bool operator==(const TextLineFit&) const = default;
};

// The size in pixels of the name in the line's font at a size in points.
using MeasureText = std::function<Size(float points)>;

// Sizes below this are not tried; a name too large even for it is centred
// at this size (and cut at its edges).
inline constexpr float kSmallestFittingPoints = 4.0f;

TextLineFit FitTextLine(const TextLineLayout& layout, Size content, const MeasureText& sizeAt);

}  // namespace ravelo::draw
