// What the Wine benchmarks that drive a program share: timing, polling, and
// starting and ending the program.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace ravelo::bench {

using Clock = std::chrono::steady_clock;
inline constexpr auto kPatience = std::chrono::seconds(30);

inline double MillisSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Polls until done() holds; false after kPatience.
inline bool WaitFor(const std::function<bool()>& done) {
  const auto start = Clock::now();
  while (!done()) {
    if (Clock::now() - start > kPatience) return false;
    Sleep(1);
  }
  return true;
}

struct Started {
  PROCESS_INFORMATION process{};
  bool ok = false;
};

inline Started Start(const std::wstring& program, const std::wstring& arguments = L"") {
  std::wstring commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  Started started;
  started.ok = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &started.process) != FALSE;
  return started;
}

// Waits up to 5 s for the program to end (after its window was asked to
// close), then ends it.
inline void End(Started& started) {
  if (!started.ok) return;
  if (WaitForSingleObject(started.process.hProcess, 5000) != WAIT_OBJECT_0)
    TerminateProcess(started.process.hProcess, 1);
  CloseHandle(started.process.hThread);
  CloseHandle(started.process.hProcess);
  started.ok = false;
}

}  // namespace ravelo::bench
