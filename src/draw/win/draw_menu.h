// The draw window's pop-up menu: music on or off, window on top, the two
// companion programs, the help picture and exit. It shows at the pointer and
// sends the chosen item to its window as WM_COMMAND (the IDs are in
// draw_controls.h); the check marks are its only state.
#pragma once

#include <windows.h>

namespace ravelo::win {

class DrawMenu {
 public:
  DrawMenu() = default;
  DrawMenu(const DrawMenu&) = delete;
  DrawMenu& operator=(const DrawMenu&) = delete;
  ~DrawMenu();

  // Builds the items; music is checked, top-most is not.
  bool Create();

  void SetChecked(int itemId, bool checked);
  bool IsChecked(int itemId) const;

  // Shows the menu at a point on the screen until an item is chosen or the
  // menu is dismissed; the choice reaches owner as WM_COMMAND.
  void ShowAt(HWND owner, POINT onScreen) const;

 private:
  HMENU menu_ = nullptr;
};

}  // namespace ravelo::win
