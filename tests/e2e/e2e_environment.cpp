// What the whole end-to-end run needs around its tests, registered before
// gtest's main runs them: Wine managing its own windows (no 2 s wait when a
// window hides under Xvfb), input at rest when each test starts, and a
// screenshot of every failed test.
#include <gtest/gtest.h>

#include <memory>

#include "bench/display_settings.h"
#include "bench/failure_snapshots.h"
#include "bench/input.h"

namespace {

class EndToEndEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { windows_ = std::make_unique<ravelo::e2e::ScopedSelfManagedWindows>(); }
  void TearDown() override { windows_.reset(); }

 private:
  std::unique_ptr<ravelo::e2e::ScopedSelfManagedWindows> windows_;
};

class InputAtRest : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { ravelo::e2e::ResetInput(); }
};

[[maybe_unused]] const bool kRegistered = [] {
  // gtest owns the environment and the listener.
  ::testing::AddGlobalTestEnvironment(new EndToEndEnvironment);
  ::testing::UnitTest::GetInstance()->listeners().Append(new InputAtRest);
  return ravelo::e2e::InstallFailureSnapshots();
}();

}  // namespace
