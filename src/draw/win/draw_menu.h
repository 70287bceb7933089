// The draw window's pop-up menu: music on or off, window on top, full
// screen, draws without repeats, the record of results (opened, or saved as a
// table), the two
// companion programs, the help picture and exit. It shows at the pointer and
// sends the chosen item to its window as WM_COMMAND (the IDs are in
// draw_controls.h); the check marks are its only state. The menu itself is
// built the first time it shows, which keeps it out of the program's start.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <optional>

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
  // The item's place in checked_; nullopt for an item without a check mark.
  static std::optional<std::size_t> CheckSlot(int itemId);

  HMENU menu_ = nullptr;
  // Music, top-most, no repeats, full screen: music is checked from the start.
  std::array<bool, 4> checked_{true, false, false, false};
};

}  // namespace ravelo::win
