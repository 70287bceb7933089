// The draw window's pop-up menu: music on or off, window on top, full
// screen, draws without repeats and a new round of them, how many names a
// draw shows, prize rounds and their winners, the record of
// results (opened, or saved as a table), the choice of list, the two
// companion programs, the help picture and exit. It shows at the pointer and
// sends the chosen item to its window as WM_COMMAND (the IDs are in
// draw_controls.h). The menu is built from this state each time it shows,
// which keeps it out of the program's start and its lists current (rvocfg may
// have made or removed lists meanwhile).
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ravelo::win {

class DrawMenu {
 public:
  // Music is checked from the start, top-most is not.
  void SetChecked(int itemId, bool checked);
  bool IsChecked(int itemId) const;
  // "重新开始本轮" is live only without repeats or with prize rounds.
  void EnableRestartRound(bool enabled);
  // The radio mark of "每次抽取人数" (the submenu offers 1, 2, 3, 5, 10 and
  // this count when it is another).
  void SetDrawCount(int count);
  // The count an item of that submenu stands for; nullopt for other items.
  static std::optional<int> DrawCountOf(int itemId);

  // The lists the submenu offers when the menu next shows (UTF-8 names,
  // the default list first as ""), with the radio mark on inUse.
  void SetLists(std::vector<std::string> names, const std::string& inUse);
  // The list an item of the submenu stands for; nullopt for other items.
  std::optional<std::string> ListOf(int itemId) const;

  // Shows the menu at a point on the screen until an item is chosen or the
  // menu is dismissed; the choice reaches owner as WM_COMMAND.
  void ShowAt(HWND owner, POINT onScreen) const;

 private:
  // The item's place in checked_; nullopt for an item without a check mark.
  static std::optional<std::size_t> CheckSlot(int itemId);

  int drawCount_ = 1;
  std::vector<std::string> listNames_;
  std::size_t listInUse_ = 0;
  bool restartEnabled_ = false;
  // Music, top-most, no repeats, full screen, prize rounds: music is
  // checked from the start.
  std::array<bool, 5> checked_{true, false, false, false, false};
};

}  // namespace ravelo::win
