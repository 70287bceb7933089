#include "draw/core/draw_history.h"

#include <gtest/gtest.h>

namespace ravelo::draw {
namespace {

TEST(DrawHistory, ALineIsTheLocalTimeTheNameAndTheListTabSeparatedInUtf8AndCrLf) {
  EXPECT_EQ(HistoryLine({2026, 3, 7, 9, 5, 2}, u"王芳（三年二班）", "二班"),
            "2026-03-07 09:05:02\t王芳（三年二班）\t二班\r\n");
}

TEST(DrawHistory, TheRecordAsCsvHasAHeaderQuotedFieldsAndNoFormulas) {
  // A line from before lists, two with their list, one with a fourth field
  // and no line end.
  const std::string record = std::string(kUtf8ByteOrderMark) + "2026-03-07 09:04:00\t张伟\r\n" +
                             HistoryLine({2026, 3, 7, 9, 5, 2}, u"王芳", "默认名单") +
                             HistoryLine({2026, 3, 7, 9, 6, 0}, u"Li, \"Lee\"", "二班") + "\r\n" +
                             "2026-03-07 09:07:00\t=1+1\t二班\textra";
  EXPECT_EQ(HistoryCsv(record), std::string(kUtf8ByteOrderMark) +
                                    "时间,姓名,名单,第4列\r\n"
                                    "2026-03-07 09:04:00,张伟,,\r\n"
                                    "2026-03-07 09:05:02,王芳,默认名单,\r\n"
                                    "2026-03-07 09:06:00,\"Li, \"\"Lee\"\"\",二班,\r\n"
                                    "2026-03-07 09:07:00,'=1+1,二班,extra\r\n");
  EXPECT_EQ(HistoryCsv(""), std::string(kUtf8ByteOrderMark) + "时间,姓名\r\n");
}

}  // namespace
}  // namespace ravelo::draw
