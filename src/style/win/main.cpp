// rvostyle, the style editor.
#include <windows.h>

#include "shared/win/failure_report.h"
#include "shared/win/message_loop.h"
#include "shared/win/running_mark.h"
#include "style/win/style_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const ravelo::win::RunningMark mark(L"rvostyle");
  return ravelo::win::RunProgram([] {
    ravelo::win::StyleWindow window;
    if (!window.Create()) return ravelo::win::ReportStartUpFailure(L"无法创建显示风格窗口");
    // No configuration file: the operator was told.
    if (!window.StartUp()) return 0;
    window.ShowCentred();
    return ravelo::win::RunMessageLoop(window.Handle());
  });
}
