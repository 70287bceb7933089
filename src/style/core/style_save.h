// What the style editor's save writes: the caption's and the text line's
// places and the two frame colours, in their fixed-width fields of section
// Style, six keys in one replace of the file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/core/frame_layout.h"

namespace ravelo {

// A position's number text: the shortest decimal form of the single-precision
// value, after a space when it is not negative (120 gives " 120", 37.5
// " 37.5", -3 "-3").
std::string PositionText(float value);

// The position a label is saved at: the whole pixel it shows at (halves
// away from zero, as the label window stands), never 0. The 5-character
// field would otherwise cut 144.5 to 144 and the draw window would show the
// label a pixel away from the preview; and a 0 makes the draw window centre
// both labels.
float SavedPosition(float position);

struct StyleValues {
  PointF caption;  // left, top in the content area
  PointF text;
  std::uint32_t frameColour = 0;
  std::uint32_t titleColour = 0;
};

struct StyleWrite {
  std::string_view key;  // in section Style
  std::string field;     // the value padded or cut to its field, UTF-8
};

inline constexpr std::string_view kStyleSection = "Style";

// The six writes in their order: captiontop, captionleft, texttop, textleft
// (5 characters: " 123.75" is cut to " 123."), form, caption (10 characters),
// of the positions as given.
std::array<StyleWrite, 6> PlanStyleSave(const StyleValues& values);

}  // namespace ravelo
