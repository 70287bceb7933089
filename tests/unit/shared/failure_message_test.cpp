#include "shared/core/failure_message.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

namespace ravelo {
namespace {

std::exception_ptr Caught(void (*thrower)()) {
  try {
    thrower();
  } catch (...) {
    return std::current_exception();
  }
  return nullptr;
}

TEST(FailureMessage, MemoryRunningOutIsToldApartFromOtherErrors) {
  EXPECT_EQ(KindOfFailure(Caught([] { throw std::bad_alloc(); })), FailureKind::OutOfMemory);
  // A list too long to hold: what growing a string past its limit throws.
  EXPECT_EQ(KindOfFailure(Caught([] { std::u16string().resize(std::u16string().max_size() + 1); })),
            FailureKind::OutOfMemory);
  EXPECT_EQ(KindOfFailure(Caught([] { throw std::runtime_error("x"); })), FailureKind::Unexpected);
  EXPECT_EQ(KindOfFailure(nullptr), FailureKind::Unexpected);
}

TEST(FailureMessage, NamesTheProgramAndWhatHappened) {
  EXPECT_EQ(FailureMessage(FailureKind::OutOfMemory, "rvo.exe"), "rvo.exe 内存不足,程序将关闭");
  EXPECT_EQ(FailureMessage(FailureKind::Unexpected, "rvocfg.exe"), "rvocfg.exe 发生意外错误,程序将关闭");
  EXPECT_EQ(StartUpFailureMessage("rvo.exe", "无法创建抽签窗口"), "rvo.exe 无法启动:无法创建抽签窗口");
}

}  // namespace
}  // namespace ravelo
