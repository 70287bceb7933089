// Control ids and names of the settings form, for the program and for the
// tools that look for its controls.
#pragma once

namespace ravelo::settings_controls {

inline constexpr wchar_t kWindowClass[] = L"RaveloSettingsForm";
inline constexpr wchar_t kWindowCaption[] = L"Ravelo配置程序";

// The frame's boxes (shared skinned form).
inline constexpr int kCloseBox = 11;  // Pic_e
inline constexpr int kMinimiseBox = 12;  // Pic_s
inline constexpr int kMenuBox = 13;   // Pic_m

// The link texts are drawn on the form (no windows): their ids name their
// tooltips, and the links L_a, L_s, L_d, L_h, "数据位置" and "奖项设置" stand at
// (kLinkLeft, kLinkTop[i]).
inline constexpr int kBrowsePicture = 130;  // Label_bjll
inline constexpr int kBrowseMusic = 131;    // Label_yyll
inline constexpr int kFirstLink = 140;      // L_a, L_s, L_d, L_h, "数据位置", "奖项设置"
inline constexpr int kLinkLeft = 448;
inline constexpr int kLinkTop[] = {72, 96, 120, 144, 168, 192};
inline constexpr int kCaptionBox = 150;     // txt_caption
inline constexpr int kTextBox = 151;        // txt_nr
inline constexpr int kPictureBox = 152;     // txt_bj
inline constexpr int kMusicBox = 153;       // txt_yy
inline constexpr int kSpeedBox = 154;       // txt_time
inline constexpr int kWidthBox = 155;       // txt_w
inline constexpr int kHeightBox = 156;      // txt_h
inline constexpr int kFirstPic = 160;       // Pic(i): 159 + i, i = 1..13
inline constexpr int PicId(int index1) { return kFirstPic + index1 - 1; }
// The colour swatches Pic(1)..Pic(4) and the style presets Pic(5)..Pic(10)
// are drawn on the form as well (their ids name their tooltips); they stand
// here, 25 design pixels square.
inline constexpr int kSwatchSide = 25;
inline constexpr int kSwatchAt[4][2] = {{352, 72}, {352, 104}, {104, 312}, {104, 344}};
inline constexpr int kPresetTop = 288;
inline constexpr int PresetLeft(int index0) { return 440 + 32 * index0; }
inline constexpr int kStayOnTop = 180;      // Chk_zq
inline constexpr int kShowButtons = 181;    // Chk_rw

// Menu commands.
inline constexpr unsigned kMenuNameList = 201;      // aodnl
inline constexpr unsigned kMenuEditStyle = 202;     // editstyle
inline constexpr unsigned kMenuRunDraw = 203;       // shellrvo
inline constexpr unsigned kMenuUpdate = 204;        // down
inline constexpr unsigned kMenuAbout = 205;         // mabout
inline constexpr unsigned kMenuHelp = 206;          // mhelp
inline constexpr unsigned kMenuClose = 207;         // close
inline constexpr unsigned kMenuCaptionColour = 211;  // msetbtcolor
inline constexpr unsigned kMenuCaptionFont = 212;    // msetbtfont
inline constexpr unsigned kMenuTextColour = 213;     // msettxtcolor
inline constexpr unsigned kMenuTextFont = 214;       // msettxtfont

}  // namespace ravelo::settings_controls
