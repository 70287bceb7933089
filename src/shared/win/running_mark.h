// While one of the suite's windowed programs runs it holds a named mutex,
// "Ravelo.<program>.running" in the session's namespace. The setup and the
// uninstaller look for these names to refuse to run over an open program,
// and a program that wants one copy at a time sees whether it came second.
#pragma once

#include <string>
#include <string_view>

#include "shared/win/unique_handle.h"

namespace ravelo::win {

// "Ravelo.rvocfg.running" for "rvocfg". The installer scripts spell the
// same names.
std::wstring RunningMarkName(std::wstring_view program);

class RunningMark {
 public:
  // program: "rvo", "rvocfg" or "rvostyle".
  explicit RunningMark(std::wstring_view program);

  // True when another process of the same program held the mark first.
  bool HeldElsewhere() const { return held_elsewhere_; }

 private:
  UniqueHandle mutex_;
  bool held_elsewhere_ = false;
};

}  // namespace ravelo::win
