#include "shared/win/popup_menu.h"

#include <string>

#include "shared/win/unique_handle.h"

namespace ravelo::win {
namespace {

bool IsSeparator(const MenuEntry& entry) {
  return entry.id == 0 && entry.caption.empty() && entry.submenu.empty();
}

bool Append(HMENU menu, const MenuEntry& entry);

UniqueMenu BuildMenu(std::span<const MenuEntry> entries) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return menu;
  for (const MenuEntry& entry : entries)
    if (!Append(menu.Get(), entry)) return UniqueMenu();
  return menu;
}

bool Append(HMENU menu, const MenuEntry& entry) {
  if (IsSeparator(entry)) return AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) != FALSE;
  const std::wstring caption(entry.caption);
  const UINT state = (entry.checked ? MF_CHECKED : MF_UNCHECKED) | (entry.enabled ? MF_ENABLED : MF_GRAYED);
  if (!entry.submenu.empty()) {
    UniqueMenu sub = BuildMenu(entry.submenu);
    if (!sub || !AppendMenuW(menu, MF_POPUP | MF_STRING | state, reinterpret_cast<UINT_PTR>(sub.Get()),
                             caption.c_str()))
      return false;
    sub.Release();  // the parent menu destroys it now
    return true;
  }
  if (!AppendMenuW(menu, MF_STRING | state, entry.id, caption.c_str())) return false;
  if (entry.radio && entry.checked) {
    const UINT last = static_cast<UINT>(GetMenuItemCount(menu) - 1);
    CheckMenuRadioItem(menu, last, last, last, MF_BYPOSITION);
  }
  return true;
}

}  // namespace

UINT ShowPopupMenu(HWND owner, std::span<const MenuEntry> entries, POINT onScreen) {
  const UniqueMenu menu = BuildMenu(entries);
  if (!menu) return 0;
  // The menu takes the mouse itself; a capture the window holds from the
  // button press would keep the first click from reaching it.
  if (GetCapture()) ReleaseCapture();
  // The owner must be in front, or the menu does not close when the user
  // clicks elsewhere.
  SetForegroundWindow(owner);
  const BOOL chosen = TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                                     onScreen.x, onScreen.y, 0, owner, nullptr);
  // Lets the menu close properly when it was dismissed by switching away.
  PostMessageW(owner, WM_NULL, 0, 0);
  return static_cast<UINT>(chosen);
}

POINT PointerOnScreen() {
  POINT at{};
  GetCursorPos(&at);
  return at;
}

}  // namespace ravelo::win
