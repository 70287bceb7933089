#include "shared/win/gdi.h"

namespace ravelo::win {

int ScreenDpiY() {
  WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

}  // namespace ravelo::win
