// rvo, the draw program.
#include <windows.h>

#include "draw/win/draw_window.h"
#include "shared/win/failure_report.h"
#include "shared/win/message_loop.h"
#include "shared/win/running_mark.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const ravelo::win::RunningMark mark(L"rvo");
  return ravelo::win::RunProgram([] {
    ravelo::win::DrawWindow window;
    if (!window.Create()) return ravelo::win::ReportStartUpFailure(L"无法创建抽签窗口");
    // No name list: the operator was told and the configuration program started.
    if (!window.StartUp()) return 0;
    window.ShowCentred();
    // Keys typed while the window is active reach its key handler, whichever
    // of its parts has the focus.
    return ravelo::win::RunMessageLoop(window.Handle());
  });
}
