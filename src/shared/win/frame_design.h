// The built-in look of the skinned frame (the draw window's and the style
// editor's alike): what stays where a setting is skipped. Each program adds
// its class, captions and icon.
#pragma once

#include "shared/win/skinned_frame.h"

namespace ravelo::win {

FrameDesign BuiltInFrameDesign();

}  // namespace ravelo::win
