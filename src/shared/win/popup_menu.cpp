#include "shared/win/popup_menu.h"

#include <string>

#include "shared/win/unique_handle.h"

namespace ravelo::win {
namespace {

// A submenu belongs to its parent once appended; DestroyMenu of the root
// frees them all.
HMENU BuildMenu(std::span<const MenuEntry> entries) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return nullptr;
  for (const MenuEntry& entry : entries) {
    const std::wstring caption(entry.caption);
    if (entry.submenu.empty()) {
      AppendMenuW(menu, MF_STRING, entry.id, caption.c_str());
    } else if (HMENU sub = BuildMenu(entry.submenu)) {
      if (!AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), caption.c_str()))
        DestroyMenu(sub);
    }
  }
  return menu;
}

}  // namespace

UINT ShowPopupMenu(HWND owner, std::span<const MenuEntry> entries, POINT onScreen) {
  const UniqueMenu menu(BuildMenu(entries));
  if (!menu) return 0;
  // The owner must be in front, or the menu does not close when the user
  // clicks elsewhere.
  SetForegroundWindow(owner);
  const BOOL chosen = TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                                     onScreen.x, onScreen.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  return static_cast<UINT>(chosen);
}

POINT PointerOnScreen() {
  POINT at{};
  GetCursorPos(&at);
  return at;
}

}  // namespace ravelo::win
