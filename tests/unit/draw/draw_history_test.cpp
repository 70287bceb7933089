#include "draw/core/draw_history.h"

#include <gtest/gtest.h>

namespace ravelo::draw {
namespace {

TEST(DrawHistory, ALineIsTheLocalTimeATabTheNameInUtf8AndCrLf) {
  EXPECT_EQ(HistoryLine({2026, 3, 7, 9, 5, 2}, u"王芳（三年二班）"), "2026-03-07 09:05:02\t王芳（三年二班）\r\n");
}

TEST(DrawHistory, TheRecordAsCsvHasAHeaderQuotedFieldsAndNoFormulas) {
  const std::string record = std::string(kUtf8ByteOrderMark) + HistoryLine({2026, 3, 7, 9, 5, 2}, u"王芳") +
                             HistoryLine({2026, 3, 7, 9, 6, 0}, u"Li, \"Lee\"") + "\r\n" +
                             "2026-03-07 09:07:00\t=1+1\textra";  // a line of three fields, no line end
  EXPECT_EQ(HistoryCsv(record), std::string(kUtf8ByteOrderMark) +
                                    "时间,姓名,第3列\r\n"
                                    "2026-03-07 09:05:02,王芳,\r\n"
                                    "2026-03-07 09:06:00,\"Li, \"\"Lee\"\"\",\r\n"
                                    "2026-03-07 09:07:00,'=1+1,extra\r\n");
  EXPECT_EQ(HistoryCsv(""), std::string(kUtf8ByteOrderMark) + "时间,姓名\r\n");
}

}  // namespace
}  // namespace ravelo::draw
