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

TEST(CheckFieldText, TheFieldHoldsBufferBytesLessOneOfGbk) {
  const std::string fifteen = "一二三四五六七八九十一二三四五";
  EXPECT_EQ(FieldCapacity(ConfigKey::FormCaption), 30u);
  EXPECT_EQ(CheckFieldText(ConfigKey::FormCaption, fifteen), FieldProblem::None);
  EXPECT_EQ(CheckFieldText(ConfigKey::FormCaption, fifteen + "a"), FieldProblem::TooLong);
  EXPECT_EQ(CheckFieldText(ConfigKey::FormBgpic, std::string(255, 'x')), FieldProblem::None);
  EXPECT_EQ(CheckFieldText(ConfigKey::FormBgpic, std::string(256, 'x')), FieldProblem::TooLong);
  // An emoji and a CJK extension B character are outside GBK, whatever the length.
  EXPECT_EQ(CheckFieldText(ConfigKey::FormCaption, "抽签\U0001F600"), FieldProblem::NotGbk);
  EXPECT_EQ(CheckFieldText(ConfigKey::FormText, "\U00020000"), FieldProblem::NotGbk);
  EXPECT_EQ(CheckFieldText(ConfigKey::FormText, "a?€"), FieldProblem::None);  // '?' itself and the euro sign are GBK
}

}  // namespace
}  // namespace ravelo
