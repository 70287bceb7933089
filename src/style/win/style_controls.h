// Control IDs and names of the style editor's window (the frame's own are in
// shared/win/frame_controls.h), for the program and for the tools that look
// for them.
#pragma once

namespace ravelo::style_controls {

// The text buttons of the title row.
inline constexpr int kSave = 110;      // LB_S "保存"
inline constexpr int kRestore = 111;   // LB_R "还原"
inline constexpr int kMinimize = 112;  // LB_M "最小化"
inline constexpr int kCancel = 113;    // LB_C "取消"

// Items of the title's menu, in their order.
inline constexpr int kMenuTitleColour = 201;  // msetc "编辑窗口标题颜色"
inline constexpr int kMenuFrameColour = 202;  // msetf "编辑窗口风格颜色"
inline constexpr int kMenuDrawProgram = 203;  // mrvo "运行Ravelo"
inline constexpr int kMenuConfig = 204;       // mini "配置Ravelo"

inline constexpr wchar_t kWindowClass[] = L"RaveloStyleWindow";
inline constexpr wchar_t kWindowCaption[] = L"Ravelo风格编辑";

}  // namespace ravelo::style_controls
