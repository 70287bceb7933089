#include "shared/core/config_changes.h"

#include <gtest/gtest.h>

#include <vector>

namespace ravelo {
namespace {

using K = ConfigKey;

TEST(ChangedFields, OnlyWhatDiffersAndThePositionsTogether) {
  const std::vector<FieldValue> stored = {{K::StyleCaptiontop, " 45  "}, {K::StyleCaptionleft, " 120 "},
                                          {K::StyleTexttop, " 200 "},    {K::StyleTextleft, " 40  "},
                                          {K::StyleForm, "8388672   "},  {K::StyleCaption, "255       "}};
  std::vector<FieldValue> current = stored;
  EXPECT_TRUE(ChangedFields(stored, current).empty());
  current[5].field = "65280     ";
  EXPECT_EQ(ChangedFields(stored, current), (std::vector<FieldValue>{current[5]}));
  // One label moved: all four positions, since a 0 among them centres both.
  current[1].field = " 121 ";
  EXPECT_EQ(ChangedFields(stored, current),
            (std::vector<FieldValue>{current[0], current[1], current[2], current[3], current[5]}));
  // Nothing stored (no file at start-up), or a key not stored: written.
  EXPECT_EQ(ChangedFields(std::nullopt, current), current);
  EXPECT_EQ(ChangedFields(std::vector<FieldValue>{}, std::vector<FieldValue>{{K::FormTop, "1 "}}).size(), 1u);
  const std::vector<FieldValue> speed = {{K::TimeTime, "10 "}};
  const auto writes = ProfileWritesOf(speed);
  EXPECT_EQ(std::string(writes[0].section) + "/" + std::string(writes[0].key) + "=" + std::string(writes[0].valueUtf8),
            "Time/Time=10 ");
}

}  // namespace
}  // namespace ravelo
