// The themed (version 6) common controls for what a program shows through
// the system: message boxes, common dialogs, tooltips. rvocfg's process
// manifest does not ask for them: its forms use the classic edit and check
// boxes, which start without loading the common controls library (the
// largest part of its start-up under Wine). It carries them in a second
// manifest (resource 2), which this activates for one call. In a program
// whose process manifest asks for them, or without that resource, it does
// nothing.
#pragma once

#include <windows.h>

namespace ravelo::win {

class ScopedCommonControls {
 public:
  ScopedCommonControls();
  ~ScopedCommonControls();
  ScopedCommonControls(const ScopedCommonControls&) = delete;
  ScopedCommonControls& operator=(const ScopedCommonControls&) = delete;

 private:
  ULONG_PTR cookie_ = 0;
  bool active_ = false;
};

}  // namespace ravelo::win
