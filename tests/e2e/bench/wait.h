// Waiting with a deadline. Every wait of the bench polls a condition until it
// holds or its timeout passes, and a failed wait throws a TimeoutError that
// names what was awaited ("no window of class X from rvo.exe within 5000 ms").
// gtest reports an exception escaping a test as that test's failure.
#pragma once

#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>

namespace ravelo::e2e {

using Milliseconds = std::chrono::milliseconds;

// Long enough for a program's first start under Wine (about 0.5 s) with room
// for a loaded machine; waits end as soon as their condition holds.
inline constexpr Milliseconds kDefaultTimeout{5000};

// A fault of the bench or of its use (a missing staged installation, a
// window that is gone).
class BenchError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A wait whose condition did not hold in time.
class TimeoutError : public BenchError {
 public:
  using BenchError::BenchError;
};

// Polls condition (at once, then every 10 ms) until it returns true or
// timeout has passed; returns whether it held.
bool PollUntil(const std::function<bool()>& condition, Milliseconds timeout);

// As PollUntil, but a condition that never held throws a TimeoutError with
// the message failure() + " within N ms". failure is called only then, so it
// can describe the last state seen.
void WaitUntil(const std::function<bool()>& condition, Milliseconds timeout,
               const std::function<std::string()>& failure);

// Throws a TimeoutError (message + " within N ms") after keeping the screen
// for the failure report.
[[noreturn]] void FailWait(const std::string& message, Milliseconds timeout);
// Throws a BenchError after keeping the screen, for a wait that cannot
// succeed any more (the program it waited on has ended).
[[noreturn]] void FailNow(const std::string& message);

// Sleeps; for the rare test that must let time pass (a draw running).
void Pause(Milliseconds duration);

}  // namespace ravelo::e2e
