// rvostyle, the style editor.
#include <windows.h>

#include "shared/win/message_loop.h"
#include "style/win/style_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ravelo::win::StyleWindow window;
  if (!window.Create()) return 1;
  if (!window.StartUp()) return 0;
  window.ShowCentred();
  return ravelo::win::RunMessageLoop(window.Handle());
}
