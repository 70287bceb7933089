// Pop-up menus built from a table, afresh each time they show, so a menu
// always says what its window's state is now: each entry is a command (an id
// and a caption, perhaps checked, a radio choice or greyed), a submenu of
// further entries, or a separator.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>

namespace ravelo::win {

struct MenuEntry {
  UINT id = 0;  // the command; 0 for a submenu or a separator
  std::wstring_view caption;  // empty with id 0: a separator
  std::span<const MenuEntry> submenu = {};
  bool checked = false;
  bool radio = false;  // the check shows as a dot: one choice of several
  bool enabled = true;  // false: greyed, cannot be chosen
};

inline constexpr MenuEntry kMenuSeparator{};

// Shows the entries as a pop-up menu at a point on the screen and returns
// the id of the chosen command, or 0 when the menu was dismissed.
UINT ShowPopupMenu(HWND owner, std::span<const MenuEntry> entries, POINT onScreen);

// The pointer's place on the screen (where a menu pops up "at the pointer").
POINT PointerOnScreen();

}  // namespace ravelo::win
