#include "style/win/style_menu.h"

#include "style/win/style_controls.h"

namespace ravelo::win {

StyleMenu::~StyleMenu() {
  if (menu_) DestroyMenu(menu_);
}

bool StyleMenu::Build() {
  if (menu_) return true;
  HMENU menu = CreatePopupMenu();
  if (!menu) return false;
  using namespace style_controls;
  struct Item {
    int id;
    const wchar_t* text;
  };
  static constexpr Item kItems[] = {{kMenuTitleColour, L"编辑窗口标题颜色"},
                                    {kMenuFrameColour, L"编辑窗口风格颜色"},
                                    {kMenuDrawProgram, L"运行Ravelo"},
                                    {kMenuConfig, L"配置Ravelo"}};
  for (const Item& item : kItems) {
    if (!AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id), item.text)) {
      DestroyMenu(menu);
      return false;
    }
  }
  menu_ = menu;
  return true;
}

int StyleMenu::ChooseAt(HWND owner, POINT onScreen) {
  if (!Build()) return 0;
  // The menu takes the mouse itself; the title's capture from the press
  // would keep the first click from reaching it.
  if (GetCapture()) ReleaseCapture();
  // Without the foreground the menu would not close on a click elsewhere.
  SetForegroundWindow(owner);
  const int chosen = static_cast<int>(TrackPopupMenu(
      menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, onScreen.x, onScreen.y, 0, owner,
      nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  return chosen;
}

}  // namespace ravelo::win
