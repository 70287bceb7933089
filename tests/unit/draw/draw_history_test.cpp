#include "draw/core/draw_history.h"

#include <gtest/gtest.h>

namespace ravelo::draw {
namespace {

TEST(DrawHistory, ALineIsTheLocalTimeATabTheNameInUtf8AndCrLf) {
  EXPECT_EQ(HistoryLine({2026, 3, 7, 9, 5, 2}, u"王芳（三年二班）"), "2026-03-07 09:05:02\t王芳（三年二班）\r\n");
}

}  // namespace
}  // namespace ravelo::draw
