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
inline constexpr int kBlankCover = 131;  // the black cover of a blanked screen
inline constexpr int kListStatus = 132;  // the list in use and the names left, top right of the content
// The labels of a draw of several names: kFirstNameCell + 0 .. 49, in the
// grid's order (row by row).
inline constexpr int kFirstNameCell = 140;
inline constexpr int kNameGrid = 139;  // paints the names while they flip

// Items of the window menu, in their order; each arrives as WM_COMMAND.
inline constexpr int kMenuMusic = 201;      // mopenmusic "开启音乐"
inline constexpr int kMenuTopMost = 202;    // mformtop "窗口置顶"
inline constexpr int kMenuConfig = 203;     // mini "配置程序"
inline constexpr int kMenuStyle = 204;      // mstyle "编辑风格"
inline constexpr int kMenuHelp = 205;       // mhelp "操作帮助"
inline constexpr int kMenuExit = 206;       // mend "退出"
inline constexpr int kMenuNoRepeat = 207;   // "不重复抽取", after "窗口置顶"
inline constexpr int kMenuHistory = 208;    // "抽签记录", after "不重复抽取"
inline constexpr int kMenuHistoryCsv = 209;  // "抽签记录另存为表格...", after "抽签记录"
inline constexpr int kMenuFullScreen = 210;  // "全屏显示", after "窗口置顶"
inline constexpr int kMenuRestartRound = 211;  // "重新开始本轮", after "不重复抽取"
inline constexpr int kMenuRounds = 212;   // "按奖项抽取", after "每次抽取人数"
inline constexpr int kMenuWinners = 213;  // "中奖名单", after "按奖项抽取"
// The submenu "每次抽取人数" after "重新开始本轮": the item for n names is
// kMenuDrawCount + n.
inline constexpr int kMenuDrawCount = 1400;
// The submenu "选择名单" after "抽签记录": the default list, then each list.
inline constexpr int kMenuFirstList = 300;
inline constexpr int kMenuLastList = 1299;

// The draw window's class and caption.
inline constexpr wchar_t kWindowClass[] = L"RaveloDrawWindow";
inline constexpr wchar_t kWindowCaption[] = L"Ravelo";

}  // namespace ravelo::draw_controls
