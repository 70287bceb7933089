// rvo, the draw program.
#include <windows.h>

#include "draw/win/draw_window.h"
#include "shared/win/message_loop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ravelo::win::DrawWindow window;
  if (!window.Create()) return 1;
  if (!window.StartUp()) return 0;
  window.ShowCentred();
  // Keys typed while the window is active reach its key handler, whichever
  // of its parts has the focus.
  return ravelo::win::RunMessageLoop(window.Handle());
}
