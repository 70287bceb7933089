// Failures that end a program are shown to the operator, once: a window that
// stops responding or a program that vanishes tells nobody why.
#pragma once

#include <windows.h>

#include <string_view>

namespace ravelo::win {

// For a catch block: shows what the exception being handled means (out of
// memory, or an unexpected error) in a message naming the program, then
// asks the thread's message loop to end. Only the first failure of the
// process is shown; the program is ending by then anyway.
void ReportFailureAndQuit(HWND owner) noexcept;

// Shows why start-up failed (unless a failure was shown already) and
// returns the program's exit code for it, 1.
int ReportStartUpFailure(std::wstring_view reason) noexcept;

// Runs a program's wWinMain body; an exception escaping it is reported and
// ends the program with exit code 1.
template <typename Body>
int RunProgram(Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    ReportFailureAndQuit(nullptr);
    return 1;
  }
}

}  // namespace ravelo::win
