// How rvo's draw window presents itself to the tests, and the few moves a
// user makes on it: reading the text line, opening the menu, choosing an
// item, watching and stopping the draw.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/bench.h"
#include "draw/win/draw_controls.h"
#include "shared/win/frame_controls.h"

namespace ravelo::e2e::rvo {

namespace ids = ravelo::draw_controls;
namespace frame = ravelo::frame_controls;

inline constexpr wchar_t kMenuClass[] = L"#32768";  // a pop-up menu on the screen
// The menu's items in their order, separators left out (the keyboard skips
// them, not the greyed ones): the n-th item is n presses of the down arrow away.
enum class MenuItem {
  Music = 1, TopMost, FullScreen, NoRepeat, RestartRound, DrawCount, Rounds, Winners, History, ChooseList,
  HistoryCsv, ConfigProgram, StyleEditor, Help, Exit
};

inline constexpr wchar_t kNoConfigFile[] = L"找不到配置文件,系统将为您载入默认设置";

inline Window WaitForDrawWindow(const Process& rvo) {
  return rvo.WaitForWindow({.className = ids::kWindowClass, .text = ids::kWindowCaption});
}
inline Window Content(const Window& main) { return main.ChildById(frame::kContent); }
inline Window TextLine(const Window& main) { return Content(main).ChildById(frame::kText); }
inline Window CommandButton(const Window& main, int index1) { return main.ChildById(ids::CommandId(index1)); }
inline Point BodyPoint(const Window& main) { return main.ToScreen({2, 200}); }  // frame left of the content

// Whether I_cmd(1) .. I_cmd(4) are enabled as between draws.
inline bool Idle(const Window& main) {
  for (int i = 1; i <= 4; ++i)
    if (CommandButton(main, i).IsEnabled() == (i == 2)) return false;
  return true;
}

// True when the text line changes within the timeout: a draw is running.
inline bool TextLineChanges(const Window& main, Milliseconds timeout = Milliseconds{2000}) {
  const Window text = TextLine(main);
  const std::wstring first = text.Text();
  return PollUntil([&] { return text.Text() != first; }, timeout);
}

inline void StartDraw(const Window& main) {
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main)) << "the draw did not start";
}

// Stops the running draw with Space; the name that stays.
inline std::wstring StopDraw(const Window& main) {
  main.PostKey(VK_SPACE);
  WaitUntil([&] { return Idle(main); }, "the draw did not stop");
  return TextLine(main).Text();
}

// The names a draw of several shows, in the grid's order (the visible labels).
inline std::vector<std::wstring> ShownNames(const Window& main) {
  std::vector<std::wstring> names;
  for (int id = ids::kFirstNameCell; id < ids::kFirstNameCell + 50; ++id) {
    const auto cells = Content(main).Children({.controlId = id});
    if (cells.empty()) break;
    if (cells.front().IsVisible()) names.push_back(cells.front().Text());
  }
  return names;
}

// Waits until the names of a draw of several flip (one view paints them then).
inline void WaitForNamesToFlip(const Window& main) {
  WaitUntil([&] {
    const auto grid = Content(main).Children({.controlId = ids::kNameGrid});
    return !grid.empty() && grid.front().IsVisible();
  }, "the names do not flip");
}

// Moves the pointer to `plain`, where the program shows its arrow, then to
// `hot`: true when the cursor changes there (to the hand) and a tooltip with
// this text shows. Cursor handles belong to the process that made them, so
// the program's own arrow is what the hand is told from.
inline bool HandAndTooltipShow(Point plain, Point hot, const wchar_t* tooltip) {
  const auto shown = [] {
    CURSORINFO cursor{};
    cursor.cbSize = sizeof cursor;
    return GetCursorInfo(&cursor) ? cursor.hCursor : nullptr;
  };
  mouse::MoveTo(plain);
  Pause(Milliseconds{300});  // the program sets its cursor as the pointer arrives
  const HCURSOR arrow = shown();
  mouse::MoveTo(hot);
  if (!PollUntil([&] { return shown() != arrow; })) return false;
  // A tooltip shows once the pointer rests; under load Wine can miss the
  // first rest, so the pointer rests once more a pixel further on.
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (PollUntil([&] { return FindOneWindow({.className = L"tooltips_class32", .text = tooltip}).has_value(); },
                  Milliseconds{3000}))
      return true;
    mouse::MoveTo(hot + Point{1, 1});
  }
  return false;
}

// Clicks a screen point (the right button unless given) and waits for the
// menu. Under load Wine can lose a click that lands while the window is still
// coming forward (a dialog has just closed): no menu then, so it waits for the
// window to be in front and clicks again.
inline Window OpenMenuAt(const Process& program, const Window& main, Point screen,
                         mouse::Button button = mouse::Button::Right) {
  for (int attempt = 1;; ++attempt) {
    main.Activate();
    // A click that lands before the window is in front opens nothing.
    PollUntil([&] { return GetForegroundWindow() == GetAncestor(main.Handle(), GA_ROOT); }, Milliseconds{1000});
    mouse::Click(screen, button);
    std::optional<Window> menu;
    if (PollUntil([&] { return (menu = program.FindOneWindow({.className = kMenuClass})).has_value(); },
                  Milliseconds{2000})) {
      menu->WaitUntilPainted();  // keys pressed earlier can be lost
      return *menu;
    }
    if (attempt == 5) throw BenchError(program.Describe() + " showed no menu after five clicks");
  }
}

// Opens a program's menu at a screen point and chooses its n-th item with
// the keyboard, which skips separators (and, given subItem, the subItem-th
// item of the submenu the n-th item opens). Under load Wine can drop the
// keys pressed into a menu that has just opened; a menu still open after
// them chose nothing, so it is closed and opened again.
inline void ChooseMenuItem(const Process& program, const Window& main, Point at, int n, int subItem = 0) {
  for (int attempt = 1;; ++attempt) {
    const Window menu = OpenMenuAt(program, main, at);
    for (int i = 0; i < n; ++i) keyboard::Press(VK_DOWN);
    if (subItem > 0) {
      keyboard::Press(VK_RIGHT);  // opens the submenu on its first item
      Pause(Milliseconds{200});
      for (int i = 1; i < subItem; ++i) keyboard::Press(VK_DOWN);
    }
    keyboard::Press(VK_RETURN);
    if (PollUntil([&] { return !menu.IsVisible(); }, Milliseconds{2000})) return;
    if (attempt == 3) throw BenchError("the menu did not close after the choice");
    WaitUntil(  // Esc closes one level of the menu at a time
        [&] {
          keyboard::Press(VK_ESCAPE);
          return PollUntil([&] { return !menu.IsVisible(); }, Milliseconds{500});
        },
        "the menu did not close on Esc");
  }
}
inline void ChooseMenuItem(const Process& rvo, const Window& main, MenuItem item) {
  ChooseMenuItem(rvo, main, BodyPoint(main), static_cast<int>(item));
}
// The list at this place of "选择名单" (1: the default list).
inline void ChooseList(const Process& rvo, const Window& main, int place) {
  ChooseMenuItem(rvo, main, BodyPoint(main), static_cast<int>(MenuItem::ChooseList), place);
}

// A label's rectangle in the content area's client coordinates.
inline Rect InContent(const Window& main, const Window& label) {
  const Point origin = Content(main).ClientRect().TopLeft();
  return label.WindowRect().Offset({-origin.x, -origin.y});
}
// Drags a label by this much with the real mouse.
inline void DragBy(const Window& label, Point by) {
  const Point from = label.WindowRect().Center();
  mouse::Drag(from, from + by, 20);
}

// Types the colour into the colour dialog the program shows and closes it
// with OK.
inline void ChooseColour(const Process& program, Color colour) {
  const Window dialog = program.WaitForWindow({.className = L"#32770"});
  for (const auto& [box, value] : {std::pair{706, colour.r}, {707, colour.g}, {708, colour.b}})  // red, green, blue
    dialog.ChildById(box).SetText(std::to_wstring(value));
  dialog.ChildById(IDOK).ClickButton();
  dialog.WaitUntilGone();
}

// Waits for a companion program's window, closes it and waits until the
// program has ended.
inline void CloseCompanion(const wchar_t* program) {
  WaitForWindow({.imageName = program}, Milliseconds{10000}).PostClose();
  WaitUntil([&] {
    const auto all = RunningProcesses();
    return std::none_of(all.begin(), all.end(), [&](const ProcessEntry& p) { return _wcsicmp(FileNameOf(p.path).c_str(), program) == 0; });
  }, ToUtf8(program) + " did not end");
}

}  // namespace ravelo::e2e::rvo
