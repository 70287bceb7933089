// The draw window's pop-up menu: music on or off, window on top, the two
// companion programs, the help picture and exit. It shows at the pointer and
// sends the chosen item to its window as WM_COMMAND (the IDs are in
// draw_controls.h); the check marks are its only state. The menu itself is
// built the first time it shows, which keeps it out of the program's start.
#pragma once

#include <windows.h>

#include <array>

namespace ravelo::win {

class DrawMenu {
 public:
  DrawMenu() = default;
  DrawMenu(const DrawMenu&) = delete;
  DrawMenu& operator=(const DrawMenu&) = delete;
  ~DrawMenu();

  // Music is checked from the start, top-most is not.
  void SetChecked(int itemId, bool checked);
  bool IsChecked(int itemId) const;

  // Shows the menu at a point on the screen until an item is chosen or the
  // menu is dismissed; the choice reaches owner as WM_COMMAND.
  void ShowAt(HWND owner, POINT onScreen);

 private:
  bool Build();
  static bool Checkable(int itemId);

  HMENU menu_ = nullptr;
  bool musicChecked_ = true;
  bool topMostChecked_ = false;
};

}  // namespace ravelo::win
