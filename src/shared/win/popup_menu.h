// Pop-up menus built from a table: each entry is a command (id and caption)
// or a submenu of further entries.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>

namespace ravelo::win {

struct MenuEntry {
  UINT id = 0;  // the command; 0 for a submenu
  std::wstring_view caption;
  std::span<const MenuEntry> submenu = {};
};

// Shows the entries as a pop-up menu at a point on the screen and returns
// the id of the chosen command, or 0 when the menu was dismissed.
UINT ShowPopupMenu(HWND owner, std::span<const MenuEntry> entries, POINT onScreen);

// The pointer's place on the screen (where a menu pops up "at the pointer").
POINT PointerOnScreen();

}  // namespace ravelo::win
