// How rvo's draw window presents itself to the end-to-end tests of the draw,
// the menu and the music: class, control IDs and texts, and the few moves a
// user makes on it (reading the text line, opening the menu, choosing an
// item, watching the draw run).
#pragma once

#include <array>
#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "bench/bench.h"
#include "fixture/fixture_layout.h"

namespace ravelo::e2e::rvo {

inline constexpr wchar_t kDrawClass[] = L"RaveloDrawWindow";
inline constexpr wchar_t kDrawCaption[] = L"Ravelo";
inline constexpr int kContentId = 100;  // PicBack
inline constexpr int kTitleId = 101;    // LPicBackC
inline constexpr int kCaptionId = 102;  // LPic_cap
inline constexpr int kTextId = 103;     // LPic_txt
inline constexpr int kMinimizeId = 110;
inline constexpr int kCloseId = 111;
inline constexpr int kFirstCommandId = 121;  // I_cmd(i) is 120 + i
inline constexpr int kHelpBoxId = 130;       // I_helpbox

inline constexpr wchar_t kMenuClass[] = L"#32768";  // a pop-up menu on the screen

// The menu's items in their order, separators left out (the keyboard skips
// them): the n-th item is n presses of the down arrow away.
enum class MenuItem { Music = 1, TopMost, NoRepeat, History, ConfigProgram, StyleEditor, Help, Exit };

inline constexpr wchar_t kNoNameList[] = L"找不到抽签名单文件,请重新设置抽签名单";
inline constexpr wchar_t kEmptyNameList[] = L"抽签名单中没有名字,请先在配置程序中添加抽签名单";
inline constexpr wchar_t kConfigProgramFailed[] = L"无法启动配置程序rvocfg.exe,请检查程序文件夹";
inline constexpr wchar_t kStyleEditorFailed[] = L"无法启动风格编辑器rvostyle.exe,请检查程序文件夹";
inline constexpr wchar_t kFirstText[] = L"开始啦";  // the text line before any draw

inline Window WaitForDrawWindow(const Process& rvo) {
  return rvo.WaitForWindow({.className = kDrawClass, .text = kDrawCaption});
}
inline Window Content(const Window& main) { return main.ChildById(kContentId); }
inline Window TextLine(const Window& main) { return Content(main).ChildById(kTextId); }
inline Window CommandButton(const Window& main, int index1) { return main.ChildById(kFirstCommandId + index1 - 1); }

// The enabled states of I_cmd(1) .. I_cmd(4).
inline std::array<bool, 4> ButtonStates(const Window& main) {
  std::array<bool, 4> states{};
  for (int i = 1; i <= 4; ++i) states[static_cast<size_t>(i - 1)] = CommandButton(main, i).IsEnabled();
  return states;
}
inline constexpr std::array<bool, 4> kIdleButtons{true, false, true, true};
inline constexpr std::array<bool, 4> kDrawingButtons{false, true, false, false};

// A point of the window body (the frame left of the content area), where a
// right press opens the menu.
inline Point BodyPoint(const Window& main) { return main.ToScreen({2, 200}); }

// The texts the text line shows while `duration` passes, read every few
// milliseconds.
inline std::vector<std::wstring> TextsDuring(const Window& main, Milliseconds duration) {
  std::vector<std::wstring> seen;
  const Window text = TextLine(main);
  const auto end = std::chrono::steady_clock::now() + duration;
  while (std::chrono::steady_clock::now() < end) {
    seen.push_back(text.Text());
    Pause(Milliseconds{5});
  }
  return seen;
}

inline std::set<std::wstring> Distinct(const std::vector<std::wstring>& texts) {
  return {texts.begin(), texts.end()};
}

// True when the text line changes within the timeout: a draw is running.
inline bool TextLineChanges(const Window& main, Milliseconds timeout = Milliseconds{2000}) {
  const Window text = TextLine(main);
  const std::wstring first = text.Text();
  return PollUntil([&] { return text.Text() != first; }, timeout);
}

// True when the pointer shows a cursor other than the arrow (the controls'
// hand) within the timeout.
inline bool PointerLeavesTheArrow(Milliseconds timeout = kDefaultTimeout) {
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  return PollUntil(
      [&] {
        CURSORINFO cursor{};
        cursor.cbSize = sizeof(cursor);
        return GetCursorInfo(&cursor) && cursor.hCursor != nullptr && cursor.hCursor != arrow;
      },
      timeout);
}

// True when a tooltip with this text shows within the timeout.
inline bool TooltipShows(const wchar_t* text, Milliseconds timeout = kDefaultTimeout) {
  return PollUntil([&] { return FindOneWindow({.className = L"tooltips_class32", .text = text}).has_value(); },
                   timeout);
}

inline std::optional<Window> FindMenu(const Process& rvo) {
  return rvo.FindOneWindow({.className = kMenuClass});
}

// Presses the right button at a screen point and waits for rvo's menu.
inline Window OpenMenuAt(const Process& rvo, const Window& main, Point screen) {
  main.Activate();
  mouse::RightClick(screen);
  return rvo.WaitForWindow({.className = kMenuClass});
}

// Opens the menu from the window body and chooses an item with the keyboard.
inline void ChooseMenuItem(const Process& rvo, const Window& main, MenuItem item) {
  const Window menu = OpenMenuAt(rvo, main, BodyPoint(main));
  menu.WaitUntilPainted();  // keys pressed earlier can be lost
  for (int i = 0; i < static_cast<int>(item); ++i) keyboard::Press(VK_DOWN);
  keyboard::Press(VK_RETURN);
  WaitUntil([&] { return !menu.Exists() || !menu.IsVisible(); }, kDefaultTimeout,
            [] { return std::string("the menu did not close after the choice"); });
}

// The bench's fixture program stands in for a companion program, so that a
// launch shows a window of its own class under the companion's file name.
inline void UseFixtureAs(const Installation& install, const wchar_t* program) {
  install.CopyIn(TestProgramFolder() + fixture::kProgram, std::wstring(L"bin\\") + program);
}

inline std::optional<Window> FindCompanion(const wchar_t* program) {
  return FindOneWindow({.className = fixture::kClassName, .imageName = program});
}

// Names written to name.txt (GBK, CR LF).
inline void WriteNames(const Installation& install, const std::vector<std::wstring>& names) {
  std::wstring text;
  for (const std::wstring& name : names) text += name + L"\r\n";
  install.WriteGbk(Installation::kNameList, text);
}

}  // namespace ravelo::e2e::rvo
