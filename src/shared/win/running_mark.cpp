#include "shared/win/running_mark.h"

namespace ravelo::win {

std::wstring RunningMarkName(std::wstring_view program) {
  std::wstring name = L"Ravelo.";
  name += program;
  name += L".running";
  return name;
}

RunningMark::RunningMark(std::wstring_view program)
    : mutex_(CreateMutexW(nullptr, FALSE, RunningMarkName(program).c_str())),
      held_elsewhere_(GetLastError() == ERROR_ALREADY_EXISTS) {}

}  // namespace ravelo::win
