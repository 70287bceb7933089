#include "draw/core/draw_history.h"

#include <gtest/gtest.h>

namespace ravelo::draw {
namespace {

TEST(DrawHistory, ALineIsTheLocalTimeTheNameTheListAndTheRoundTabSeparatedInUtf8AndCrLf) {
  EXPECT_EQ(HistoryLine({2026, 3, 7, 9, 5, 2}, u"王芳（三年二班）", "二班", "一等奖"),
            "2026-03-07 09:05:02\t王芳（三年二班）\t二班\t一等奖\r\n");
  EXPECT_EQ(HistoryLine({2026, 3, 7, 9, 5, 2}, u"王芳", "二班"), "2026-03-07 09:05:02\t王芳\t二班\t\r\n");
}

TEST(DrawHistory, TheRecordAsCsvHasAHeaderQuotedFieldsAndNoFormulas) {
  // A line from before lists, two with their list and round, one with a
  // fifth field and no line end.
  const std::string record = std::string(kUtf8ByteOrderMark) + "2026-03-07 09:04:00\t张伟\r\n" +
                             HistoryLine({2026, 3, 7, 9, 5, 2}, u"王芳", "默认名单") +
                             HistoryLine({2026, 3, 7, 9, 6, 0}, u"Li, \"Lee\"", "二班") + "\r\n" +
                             "2026-03-07 09:07:00\t=1+1\t二班\t一等奖\textra";
  EXPECT_EQ(HistoryCsv(record), std::string(kUtf8ByteOrderMark) +
                                    "时间,姓名,名单,奖项,第5列\r\n"
                                    "2026-03-07 09:04:00,张伟,,,\r\n"
                                    "2026-03-07 09:05:02,王芳,默认名单,,\r\n"
                                    "2026-03-07 09:06:00,\"Li, \"\"Lee\"\"\",二班,,\r\n"
                                    "2026-03-07 09:07:00,'=1+1,二班,一等奖,extra\r\n");
  EXPECT_EQ(HistoryCsv(""), std::string(kUtf8ByteOrderMark) + "时间,姓名\r\n");
}

}  // namespace
}  // namespace ravelo::draw
