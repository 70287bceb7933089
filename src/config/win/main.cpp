// rvocfg, the configuration program.
#include <windows.h>

#include "config/win/open_form.h"
#include "config/win/settings_window.h"
#include "shared/win/failure_report.h"
#include "shared/win/message_loop.h"
#include "shared/win/running_mark.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const ravelo::win::RunningMark mark(L"rvocfg");
  return ravelo::win::RunProgram([&mark] {
    // Two forms would each save over what the other saved.
    if (mark.HeldElsewhere() && ravelo::win::config::BringOpenFormForward()) return 0;
    ravelo::win::config::SettingsWindow window;
    if (!window.Create()) return ravelo::win::ReportStartUpFailure(L"无法创建配置窗口");
    window.StartUp();
    // Tab and Space work in every form of the program.
    return ravelo::win::RunFormMessageLoop();
  });
}
