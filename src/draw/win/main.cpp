// rvo, the draw program.
#include <windows.h>

#include "draw/win/draw_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
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
