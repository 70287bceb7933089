// Control IDs of the draw window's own parts (the frame's are in
// shared/win/frame_controls.h), for the program and for the tools that
// look for them.
#pragma once

namespace ravelo::draw_controls {

inline constexpr int kMinimizeBox = 110;  // PicboxMin
inline constexpr int kCloseBox = 111;     // PicboxClose
// I_cmd(1) .. I_cmd(4): kFirstCommand + 0 .. 3.
inline constexpr int kFirstCommand = 121;
inline constexpr int CommandId(int index1) { return kFirstCommand + index1 - 1; }
inline constexpr int kHelpBox = 130;  // I_helpbox

// The draw window's class and caption.
inline constexpr wchar_t kWindowClass[] = L"RaveloDrawWindow";
inline constexpr wchar_t kWindowCaption[] = L"Ravelo";

}  // namespace ravelo::draw_controls
