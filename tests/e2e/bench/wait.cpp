#include "bench/wait.h"

#include <windows.h>

#include "bench/failure_snapshots.h"

namespace ravelo::e2e {
namespace {

constexpr Milliseconds kPollInterval{10};

}  // namespace

bool PollUntil(const std::function<bool()>& condition, Milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    Sleep(static_cast<DWORD>(kPollInterval.count()));
  }
}

void WaitUntil(const std::function<bool()>& condition, Milliseconds timeout,
               const std::function<std::string()>& failure) {
  if (!PollUntil(condition, timeout)) FailWait(failure(), timeout);
}

void FailWait(const std::string& message, Milliseconds timeout) {
  KeepScreenForFailureReport();
  throw TimeoutError(message + " within " + std::to_string(timeout.count()) + " ms");
}

void FailNow(const std::string& message) {
  KeepScreenForFailureReport();
  throw BenchError(message);
}

void Pause(Milliseconds duration) { Sleep(static_cast<DWORD>(duration.count())); }

}  // namespace ravelo::e2e
