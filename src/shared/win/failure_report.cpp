#include "shared/win/failure_report.h"

#include <atomic>
#include <exception>
#include <string>

#include "shared/core/failure_message.h"
#include "shared/win/message_box.h"
#include "shared/win/process.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {
namespace {

// Set by the first failure shown. A message box runs a message loop, so
// other windows' failures can arrive while it is open: they stay silent.
std::atomic<bool> failureShown{false};

bool ClaimFailureMessage() noexcept { return !failureShown.exchange(true); }

std::string ProgramName() {
  const std::wstring name = ProgramFileName();
  return name.empty() ? std::string("Ravelo") : Narrow(name);
}

// The top-level window of the one that failed, when it is on the screen; a
// box owned by a hidden window could stay out of the operator's sight.
HWND OwnerWindow(HWND window) noexcept {
  const HWND root = window != nullptr && IsWindow(window) ? GetAncestor(window, GA_ROOT) : nullptr;
  return root != nullptr && IsWindowVisible(root) ? root : nullptr;
}

}  // namespace

void ReportFailureAndQuit(HWND owner) noexcept {
  const FailureKind kind = KindOfFailure(std::current_exception());
  if (ClaimFailureMessage()) {
    try {
      ShowWarning(OwnerWindow(owner), Widen(FailureMessage(kind, ProgramName())));
    } catch (...) {
      // No memory left even for the message: the program still ends.
    }
  }
  PostQuitMessage(1);
}

int ReportStartUpFailure(std::wstring_view reason) noexcept {
  if (ClaimFailureMessage()) {
    try {
      ShowWarning(nullptr, Widen(StartUpFailureMessage(ProgramName(), Narrow(reason))));
    } catch (...) {
    }
  }
  return 1;
}

}  // namespace ravelo::win
