// Wine settings the tests need while they run. Under Xvfb there is no window
// manager, and Wine, which hands captioned windows to the window manager,
// then waits 2 s for an acknowledgement that never comes each time such a
// window hides (every message box answered, every program that quits). With
// Wine managing its windows itself the wait is gone, and window positions no
// longer depend on whatever window manager a developer's desktop runs.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace ravelo::e2e {

bool RunningUnderWine();

// Sets HKCU\Software\Wine\X11 Driver\Managed to "N" for the processes started
// while it lives (each reads it at start-up) and puts the previous value
// back afterwards. Does nothing outside Wine.
class ScopedSelfManagedWindows {
 public:
  ScopedSelfManagedWindows();
  ScopedSelfManagedWindows(const ScopedSelfManagedWindows&) = delete;
  ScopedSelfManagedWindows& operator=(const ScopedSelfManagedWindows&) = delete;
  ~ScopedSelfManagedWindows();

 private:
  bool applied_ = false;
  std::optional<std::wstring> previous_;
};

// Sets the display's DPI (HKCU\Control Panel\Desktop\LogPixels, which Wine
// reads when a process starts) for the programs started while it lives, and
// puts the previous value back afterwards.
class ScopedLogPixels {
 public:
  explicit ScopedLogPixels(DWORD dpi);
  ScopedLogPixels(const ScopedLogPixels&) = delete;
  ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;
  ~ScopedLogPixels();

 private:
  std::optional<DWORD> previous_;
};

}  // namespace ravelo::e2e
