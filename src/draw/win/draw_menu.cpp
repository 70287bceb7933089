#include "draw/win/draw_menu.h"

#include "draw/win/draw_controls.h"

namespace ravelo::win {

DrawMenu::~DrawMenu() {
  if (menu_) DestroyMenu(menu_);
}

std::optional<std::size_t> DrawMenu::CheckSlot(int itemId) {
  switch (itemId) {
    case draw_controls::kMenuMusic: return 0;
    case draw_controls::kMenuTopMost: return 1;
    case draw_controls::kMenuNoRepeat: return 2;
    case draw_controls::kMenuFullScreen: return 3;
    default: return std::nullopt;
  }
}

void DrawMenu::SetChecked(int itemId, bool checked) {
  const auto slot = CheckSlot(itemId);
  if (!slot) return;
  checked_[*slot] = checked;
  if (menu_) CheckMenuItem(menu_, static_cast<UINT>(itemId), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool DrawMenu::IsChecked(int itemId) const {
  const auto slot = CheckSlot(itemId);
  return slot && checked_[*slot];
}

bool DrawMenu::Build() {
  if (menu_) return true;
  HMENU menu = CreatePopupMenu();
  if (!menu) return false;
  using namespace draw_controls;
  struct Item {
    int id;  // 0: a separator
    const wchar_t* text;
  };
  static constexpr Item kItems[] = {
      {kMenuMusic, L"开启音乐"}, {kMenuTopMost, L"窗口置顶"}, {kMenuFullScreen, L"全屏显示"},
      {kMenuNoRepeat, L"不重复抽取"}, {kMenuHistory, L"抽签记录"}, {kMenuHistoryCsv, L"抽签记录另存为表格..."},
      {0, nullptr},
      {kMenuConfig, L"配置程序"}, {kMenuStyle, L"编辑风格"},   {0, nullptr},
      {kMenuHelp, L"操作帮助"},  {kMenuExit, L"退出"},
  };
  for (const Item& item : kItems) {
    const BOOL added = item.id ? AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id), item.text)
                               : AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    if (!added) {
      DestroyMenu(menu);
      return false;
    }
  }
  menu_ = menu;
  for (int item : {kMenuMusic, kMenuTopMost, kMenuFullScreen, kMenuNoRepeat}) SetChecked(item, IsChecked(item));
  return true;
}

void DrawMenu::ShowAt(HWND owner, POINT onScreen) {
  if (!Build()) return;
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
