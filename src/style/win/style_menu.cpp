#include "style/win/style_menu.h"

#include "shared/win/popup_menu.h"
#include "style/win/style_controls.h"

namespace ravelo::win {

int ChooseStyleMenuItem(HWND owner, POINT onScreen) {
  using namespace style_controls;
  static constexpr MenuEntry kItems[] = {{kMenuTitleColour, L"编辑窗口标题颜色"},
                                         {kMenuFrameColour, L"编辑窗口风格颜色"},
                                         {kMenuDrawProgram, L"运行Ravelo"},
                                         {kMenuConfig, L"配置Ravelo"}};
  return static_cast<int>(ShowPopupMenu(owner, kItems, onScreen));
}

}  // namespace ravelo::win
