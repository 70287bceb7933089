// What the whole end-to-end run needs around its tests, registered before
// gtest's main runs them: Wine managing its own windows (no 2 s wait when a
// window hides under Xvfb) and a screenshot of every failed test.
#include <gtest/gtest.h>

#include <memory>

#include "bench/display_settings.h"
#include "bench/failure_snapshots.h"

namespace {

class EndToEndEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { windows_ = std::make_unique<ravelo::e2e::ScopedSelfManagedWindows>(); }
  void TearDown() override { windows_.reset(); }

 private:
  std::unique_ptr<ravelo::e2e::ScopedSelfManagedWindows> windows_;
};

[[maybe_unused]] const bool kRegistered = [] {
  ::testing::AddGlobalTestEnvironment(new EndToEndEnvironment);  // gtest owns it
  return ravelo::e2e::InstallFailureSnapshots();
}();

}  // namespace
