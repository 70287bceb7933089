// Where and how large the text line shows a drawn name, so that the room can
// read all of it. A name that fits from the line's own left edge stands
// exactly where the layout put it, in the configured size. One that would
// run past the content area's right edge moves left just enough to end at
// that edge. One wider than the content area is shown centred in the largest
// smaller size of the same font that fits. Every name is fitted afresh from
// the configured place and size, so the next name that fits gets both back.
#pragma once

#include <functional>

namespace ravelo::draw {

struct TextLineFit {
  float left = 0;    // the line's left edge in the content area
  float points = 0;  // the font size to show it in
  bool operator==(const TextLineFit&) const = default;
};

// The width in pixels of the name in the line's font at a size in points.
using MeasureTextWidth = std::function<int(float points)>;

// Sizes below this are not tried; a name too long even for it is centred
// at this size (and cut at both ends).
inline constexpr float kSmallestFittingPoints = 4.0f;

TextLineFit FitTextLine(float configuredLeft, float configuredPoints, int contentWidth,
                        const MeasureTextWidth& widthAt);

}  // namespace ravelo::draw
