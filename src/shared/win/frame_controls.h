// Control IDs of the skinned frame's windows, shared by the programs that
// show the frame and by the tools that look for its parts.
#pragma once

namespace ravelo::frame_controls {

inline constexpr int kContent = 100;  // PicBack, the content area
inline constexpr int kTitle = 101;    // LPicBackC, the window title
inline constexpr int kCaption = 102;  // LPic_cap, inside the content area
inline constexpr int kText = 103;     // LPic_txt, inside the content area

}  // namespace ravelo::frame_controls
