// Applying the frame layout to a skinned window: the body and title colours
// from their texts, then the window size and shape and the places that
// ComputeFrameLayout gives. Each program adds its own window buttons in the
// title row through FrameButtons.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <variant>

#include "shared/core/frame_layout.h"
#include "shared/core/settings_values.h"
#include "shared/win/skinned_frame.h"
#include "shared/win/text_label.h"

namespace ravelo::win {

using FrameParts = std::variant<DrawFrameParts, StyleFrameParts>;

// A program's window buttons, as the layout colours, measures and places them.
class FrameButtons {
 public:
  virtual void OnBodyColour(COLORREF) {}
  virtual void OnTitleColour(COLORREF colour) = 0;
  // Called only once both colours are applied and the size fits.
  virtual FrameParts MeasureParts(const FrameLayoutArgs& args) = 0;
  virtual void PlaceParts(const FrameLayout& layout) = 0;

 protected:
  ~FrameButtons() = default;
};

// The colour texts are converted in order, and the first that is no colour
// ends the layout with what has been applied so far; so does a content size
// whose window would not fit 16 bits. False when the layout stopped early.
// The arguments are design pixels; the frame and the buttons get the layout
// at the frame's scale.
bool ApplyFrameLayout(SkinnedFrame& frame, FrameButtons& buttons, const FrameLayoutArgs& args);

// The style editor's title row: save, restore, minimise and close as text
// buttons that size themselves, with the pointing hand over them; the drag
// pointer goes on the caption and the text line.
struct LabelButtonRow {
  TextLabel& save;
  TextLabel& restore;
  TextLabel& minimize;
  TextLabel& close;
  HCURSOR hand = nullptr;
  HCURSOR drag = nullptr;
};

bool ApplyFrameLayout(SkinnedFrame& frame, const LabelButtonRow& row, std::int16_t width, std::int16_t height,
                      std::string_view backColour, std::string_view foreColour, float captionTop,
                      float captionLeft, float textTop, float textLeft);

}  // namespace ravelo::win
