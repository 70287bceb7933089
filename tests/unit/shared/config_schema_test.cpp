#include "shared/core/config_schema.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shared/core/encoding.h"
#include "shared/core/numbers.h"

namespace ravelo {
namespace {

TEST(ConfigSchema, ListsTheTwentyFiveKeysInReadingOrder) {
  const auto& keys = AllConfigKeys();
  ASSERT_EQ(keys.size(), 25u);
  std::string order;
  for (const auto& k : keys) order += std::string(k.section) + "/" + std::string(k.key) + " ";
  EXPECT_EQ(order,
            "Form/caption Form/text Form/bgpic Form/brmic Form/smc Form/top Color/caption Color/text Time/time "
            "Style/width Style/height Style/form Style/caption Caption/fontname Caption/fontsize Caption/fontbold "
            "Caption/fontitalic Text/fontname Text/fontsize Text/fontbold Text/fontitalic Style/captiontop "
            "Style/captionleft Style/texttop Style/textleft ");
}

TEST(ConfigSchema, EverySectionAndKeyPairIsUnique) {
  std::set<std::string> seen;
  for (const auto& k : AllConfigKeys()) {
    EXPECT_TRUE(seen.insert(std::string(k.section) + "/" + std::string(k.key)).second) << k.key;
    EXPECT_EQ(&SpecOf(k.id), &k);
  }
}

TEST(ConfigSchema, BufferWidthsBoundTheValues) {
  EXPECT_EQ(SpecOf(ConfigKey::FormCaption).bufferBytes, 31u);
  EXPECT_EQ(SpecOf(ConfigKey::FormText).bufferBytes, 31u);
  EXPECT_EQ(SpecOf(ConfigKey::FormBgpic).bufferBytes, 256u);
  EXPECT_EQ(SpecOf(ConfigKey::FormBrmic).bufferBytes, 256u);
  EXPECT_EQ(SpecOf(ConfigKey::FormSmc).bufferBytes, 2u);
  EXPECT_EQ(SpecOf(ConfigKey::TimeTime).bufferBytes, 3u);
  EXPECT_EQ(SpecOf(ConfigKey::StyleWidth).bufferBytes, 5u);
  EXPECT_EQ(SpecOf(ConfigKey::StyleForm).bufferBytes, 10u);
  EXPECT_EQ(SpecOf(ConfigKey::CaptionFontname).bufferBytes, 50u);
  EXPECT_EQ(SpecOf(ConfigKey::TextFontsize).bufferBytes, 4u);
  EXPECT_EQ(SpecOf(ConfigKey::TextFontitalic).bufferBytes, 2u);
  EXPECT_EQ(SpecOf(ConfigKey::StyleTextleft).bufferBytes, 5u);
}

TEST(ConfigSchema, TheIntervalIsWrittenAsTimeAndReadAsTime) {
  const auto& time = SpecOf(ConfigKey::TimeTime);
  EXPECT_EQ(time.section, "Time");
  EXPECT_EQ(time.key, "time");
  EXPECT_EQ(time.writtenKey, "Time");
  for (const auto& k : AllConfigKeys()) {
    if (k.id != ConfigKey::TimeTime) {
      EXPECT_EQ(k.writtenKey, k.key);
    }
  }
}

TEST(ConfigSchema, DefaultsFitTheirFormAndWidth) {
  for (const auto& k : AllConfigKeys()) {
    EXPECT_LT(Utf8ToGbk(k.defaultText).size(), k.bufferBytes) << k.section << "/" << k.key;
    switch (k.form) {
      case ValueForm::Colour:
        EXPECT_TRUE(ParseColour(k.defaultText).has_value()) << k.key;
        break;
      case ValueForm::FontSize:
        EXPECT_TRUE(ParseFontSize(k.defaultText).has_value()) << k.key;
        break;
      case ValueForm::Number:
        EXPECT_TRUE(RoundToInt16(LeadingNumber(k.defaultText)).has_value()) << k.key;
        break;
      case ValueForm::Real:
      case ValueForm::Text:
        break;
    }
  }
  EXPECT_EQ(SpecOf(ConfigKey::FormText).defaultText, "开始啦");
  EXPECT_EQ(SpecOf(ConfigKey::ColorText).defaultText, "16744576");
  EXPECT_EQ(SpecOf(ConfigKey::StyleForm).defaultText, "8388672");
  EXPECT_EQ(SpecOf(ConfigKey::TextFontsize).defaultText, "72");
  EXPECT_EQ(SpecOf(ConfigKey::CaptionFontname).defaultText, "宋体");
}

TEST(PadToField, PadsShortValuesWithBlanks) {
  EXPECT_EQ(PadToField("10", 3), "10 ");
  EXPECT_EQ(PadToField("1", 2), "1 ");
  EXPECT_EQ(PadToField("", 5), "     ");
  EXPECT_EQ(PadToField("600", 5), "600  ");
  EXPECT_EQ(PadToField("宋体", 6), "宋体  ");  // width counts GBK bytes
}

TEST(PadToField, CutsLongValuesWithoutSplittingACharacter) {
  EXPECT_EQ(PadToField("99999", 4), "9999");
  EXPECT_EQ(PadToField(" 123.75", 5), " 123.");
  EXPECT_EQ(PadToField("一二三", 5), "一二 ");  // the third character would be split
  const std::string caption = "一二三四五六七八九十甲乙丙丁戊己";
  EXPECT_EQ(PadToField(caption, 31), "一二三四五六七八九十甲乙丙丁戊 ");
}

}  // namespace
}  // namespace ravelo
