#include "shared/win/window_drag.h"

namespace ravelo::win {

LRESULT BeginWindowDrag(HWND window) {
  ReleaseCapture();
  return SendMessageW(window, WM_SYSCOMMAND, kMoveByCaption, 0);
}

}  // namespace ravelo::win
