#include "shared/core/settings_values.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "shared/core/encoding.h"
#include "shared/core/ini_file.h"

namespace ravelo {
namespace {

// A configuration file in memory, written as GBK like the real one.
ConfigTexts TextsOf(const std::string& utf8File) {
  return ConfigTexts::Read(ProfileReader::FromBytes(Utf8ToGbk(utf8File)));
}

TEST(ConfigTexts, ReadsEachKeyWithItsBufferWidth) {
  ConfigTexts texts = TextsOf(
      "[Form]\r\ncaption=一二三四五六七八九十一二三四五六七八九十\r\n"
      "[Style]\r\nwidth=600   \r\nheight=99999\r\n[Time]\r\nTime=10\r\n[Form]\r\nsmc=1\r\n");
  EXPECT_EQ(texts[ConfigKey::FormCaption], "一二三四五六七八九十一二三四五");  // 30 bytes of GBK
  EXPECT_EQ(texts[ConfigKey::StyleWidth], "600");
  EXPECT_EQ(texts[ConfigKey::StyleHeight], "9999");  // a 5-byte buffer holds 4 digits
  EXPECT_EQ(texts[ConfigKey::TimeTime], "10");       // written as Time, read as time
  EXPECT_EQ(texts[ConfigKey::FormSmc], "");          // a repeated section hides its keys
  EXPECT_EQ(texts[ConfigKey::FormText], "");
}

TEST(SettingConversions, SixteenBitNumbersTakeTheLeadingNumberAndSaturate) {
  EXPECT_EQ(Int16FromText("12px"), 12);
  EXPECT_EQ(Int16FromText("9e99"), std::numeric_limits<std::int16_t>::max());
  EXPECT_EQ(Int16FromText("-9e9"), std::numeric_limits<std::int16_t>::min());
}

TEST(SettingConversions, ColoursHoldTwentyFourBits) {
  EXPECT_EQ(ColourFromText("0"), 0u);
  EXPECT_EQ(ColourFromText("16777215"), 0xFFFFFFu);
  EXPECT_FALSE(ColourFromText("-1"));
  EXPECT_FALSE(ColourFromText("16777216"));
}

TEST(SettingConversions, FontSizesLieInARealRange) {
  EXPECT_EQ(FontPointsFromText("10.5"), 10.5f);
  EXPECT_FALSE(FontPointsFromText("0"));
  EXPECT_FALSE(FontPointsFromText("9999"));
}

TEST(SettingConversions, PositionsAreRealsByLeadingNumber) {
  EXPECT_EQ(PositionFromText("7x"), 7.0f);
  EXPECT_EQ(PositionFromText("1e39"), std::numeric_limits<float>::max());
}

TEST(FrameColours, TheFirstBadColourStopsTheLayout) {
  const FrameColours both = ResolveFrameColours("8388672", "16777215");
  EXPECT_TRUE(both.LayoutRuns());
  EXPECT_EQ(both.body, 8388672u);
  EXPECT_EQ(both.title, 16777215u);

  const FrameColours badTitle = ResolveFrameColours("8388672", "");
  EXPECT_EQ(badTitle.body, 8388672u);
  EXPECT_FALSE(badTitle.title);
  EXPECT_FALSE(badTitle.LayoutRuns());

  const FrameColours badBody = ResolveFrameColours("purple", "16777215");
  EXPECT_FALSE(badBody.body);
  EXPECT_FALSE(badBody.title);  // never reached
}

}  // namespace
}  // namespace ravelo
