#include "shared/core/config_schema.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ravelo {
namespace {

TEST(ConfigSchema, EverySectionAndKeyPairIsUnique) {
  std::set<std::string> seen;
  for (const auto& k : AllConfigKeys()) {
    EXPECT_TRUE(seen.insert(std::string(k.section) + "/" + std::string(k.key)).second) << k.key;
    EXPECT_EQ(&SpecOf(k.id), &k);
  }
}

TEST(PadToField, PadsWithBlanksAndCutsWithoutSplittingACharacter) {
  EXPECT_EQ(PadToField("10", 3), "10 ");
  EXPECT_EQ(PadToField("", 5), "     ");
  EXPECT_EQ(PadToField("宋体", 6), "宋体  ");  // width counts GBK bytes
  EXPECT_EQ(PadToField("99999", 4), "9999");
  EXPECT_EQ(PadToField(" 123.75", 5), " 123.");
  EXPECT_EQ(PadToField("一二三", 5), "一二 ");  // the third character would be split
}

}  // namespace
}  // namespace ravelo
