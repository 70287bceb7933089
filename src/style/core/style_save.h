// What the style editor's save writes: of the caption's and the text line's
// places and the two frame colours, in their fixed-width fields of section
// Style, those the operator set in the editor since it started or saved
// last, in one replace of the file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/core/config_changes.h"
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

// The six fields in their order: captiontop, captionleft, texttop, textleft
// (5 characters: " 123.75" is cut to " 123."), form, caption (10 characters),
// of the positions as given.
std::array<FieldValue, 6> StyleFields(const StyleValues& values);

// What a save writes: the fields that differ from those stored (the state at
// start-up, or of the last save), the four positions together.
std::vector<FieldValue> PlanStyleSave(const std::array<FieldValue, 6>& stored, const StyleValues& values);

}  // namespace ravelo
