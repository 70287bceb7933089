#include "draw/win/draw_menu.h"

#include "draw/win/draw_controls.h"

namespace ravelo::win {

DrawMenu::~DrawMenu() {
  if (menu_) DestroyMenu(menu_);
}

bool DrawMenu::Create() {
  menu_ = CreatePopupMenu();
  if (!menu_) return false;
  using namespace draw_controls;
  struct Item {
    int id;  // 0: a separator
    const wchar_t* text;
  };
  static constexpr Item kItems[] = {
      {kMenuMusic, L"开启音乐"}, {kMenuTopMost, L"窗口置顶"}, {0, nullptr},
      {kMenuConfig, L"配置程序"}, {kMenuStyle, L"编辑风格"},   {0, nullptr},
      {kMenuHelp, L"操作帮助"},  {kMenuExit, L"退出"},
  };
  for (const Item& item : kItems) {
    const BOOL added = item.id ? AppendMenuW(menu_, MF_STRING, static_cast<UINT_PTR>(item.id), item.text)
                               : AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
    if (!added) return false;
  }
  SetChecked(kMenuMusic, true);
  return true;
}

void DrawMenu::SetChecked(int itemId, bool checked) {
  if (menu_) CheckMenuItem(menu_, static_cast<UINT>(itemId), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool DrawMenu::IsChecked(int itemId) const {
  if (!menu_) return false;
  const UINT state = GetMenuState(menu_, static_cast<UINT>(itemId), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void DrawMenu::ShowAt(HWND owner, POINT onScreen) const {
  if (!menu_) return;
  // The menu takes the mouse itself; a capture the window holds from the
  // button press would keep the first click from reaching it.
  if (GetCapture()) ReleaseCapture();
  // Without the foreground the menu would not close on a click elsewhere.
  SetForegroundWindow(owner);
  TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, onScreen.x, onScreen.y, 0, owner,
                 nullptr);
  // Lets the menu close properly when it was dismissed by switching away.
  PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace ravelo::win
