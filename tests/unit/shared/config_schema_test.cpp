#include "shared/core/config_schema.h"

#include <gtest/gtest.h>

namespace ravelo {
namespace {

TEST(PadToField, PadsWithBlanksAndCutsWithoutSplittingACharacter) {
  EXPECT_EQ(PadToField("", 5), "     ");
  EXPECT_EQ(PadToField("宋体", 6), "宋体  ");  // width counts GBK bytes
  EXPECT_EQ(PadToField(" 123.75", 5), " 123.");
  EXPECT_EQ(PadToField("一二三", 5), "一二 ");  // the third character would be split
}

}  // namespace
}  // namespace ravelo
