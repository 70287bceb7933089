#include "shared/win/window_dpi.h"

#include "shared/win/gdi.h"
#include "shared/win/system_library.h"

namespace ravelo::win {

DisplayScale WindowScale(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow =
      ProcAddress<GetDpiForWindowFn>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  if (getDpiForWindow && window) return DisplayScale(static_cast<int>(getDpiForWindow(window)));
  return SystemScale();
}

DisplayScale SystemScale() { return DisplayScale(ScreenDpiY()); }

RECT ToDevice(const DisplayScale& scale, const RECT& design) {
  return {scale.ToDevice(static_cast<int>(design.left)), scale.ToDevice(static_cast<int>(design.top)),
          scale.ToDevice(static_cast<int>(design.right)), scale.ToDevice(static_cast<int>(design.bottom))};
}

}  // namespace ravelo::win
