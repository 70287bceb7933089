// The title's pop-up menu of the style editor: the two frame colours and
// the two companion programs.
#pragma once

#include <windows.h>

namespace ravelo::win {

// Shows the menu at a point on the screen and returns the chosen item's ID
// (style_controls.h), or 0 when it was dismissed.
int ChooseStyleMenuItem(HWND owner, POINT onScreen);

}  // namespace ravelo::win
