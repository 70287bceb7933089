// The title's pop-up menu of the style editor: the two frame colours and
// the two companion programs. It shows at the pointer and returns the
// chosen item's ID (style_controls.h), or 0 when dismissed.
#pragma once

#include <windows.h>

namespace ravelo::win {

class StyleMenu {
 public:
  StyleMenu() = default;
  StyleMenu(const StyleMenu&) = delete;
  StyleMenu& operator=(const StyleMenu&) = delete;
  ~StyleMenu();

  int ChooseAt(HWND owner, POINT onScreen);

 private:
  bool Build();

  HMENU menu_ = nullptr;
};

}  // namespace ravelo::win
