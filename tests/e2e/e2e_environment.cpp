// Input at rest when each end-to-end test starts, whatever the last one left.
#include <gtest/gtest.h>

#include "bench/bench.h"

namespace {

class InputAtRest : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { ravelo::e2e::ResetInput(); }
};

// gtest owns the listener.
[[maybe_unused]] const bool kRegistered = (::testing::UnitTest::GetInstance()->listeners().Append(new InputAtRest), true);

}  // namespace
