// rvo, the draw program.
#include <windows.h>

#include <commctrl.h>

#include "draw/win/draw_window.h"
#include "shared/win/com.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // COM for the picture decoder; common controls for the tooltips.
  const ravelo::win::ComApartment com;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  ravelo::win::DrawWindow window;
  if (!window.Create()) return 1;
  if (!window.StartUp()) return 0;
  window.ShowCentred();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
