// The settings form's model: loading, fonts, the checks of OK, the writes and the size rule.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "config/core/settings_form.h"
#include "config/core/settings_save.h"
#include "shared/core/ini_file.h"

namespace ravelo::config {
namespace {

TEST(SettingsFormLoad, AMissingFileGivesTheDefaultsAndNoLoadedSize) {
  const LoadedSettings missing = LoadSettings(ProfileReader::Open(FilePath()));
  EXPECT_FALSE(missing.fileFound);
  EXPECT_EQ(missing.values, DefaultFormValues());
  EXPECT_EQ(std::tuple(missing.loadedWidth, missing.loadedHeight), std::tuple(0, 0));
  EXPECT_TRUE(LoadSettings(ProfileReader::FromBytes("")).fileFound);
}

TEST(SettingsFormLoad, ReadsEveryValueWithItsConversion) {
  // UTF-8 with its byte order mark, so the test can write Chinese.
  const LoadedSettings loaded = LoadSettings(ProfileReader::FromBytes(
      "\xEF\xBB\xBF[Form]\r\ncaption=年会抽奖\r\ntext=准备\r\nbgpic=0\r\nbrmic=D:\\m.wav\r\nsmc=2\r\ntop=-1\r\n"
      "[Time]\r\ntime=123\r\n[Color]\r\ncaption=16777215\r\ntext=255\r\n"
      "[Style]\r\nwidth=800   \r\nheight=500\r\nform=0\r\ncaption=65280\r\n"
      "[Caption]\r\nfontname=黑体\r\nfontsize=10.5\r\nfontbold=-1\r\nfontitalic=1\r\n"
      "[Text]\r\nfontname=宋体\r\nfontsize=72\r\nfontbold=0\r\nfontitalic=0\r\n"));
  // "0" is no file chosen; the buffer widths cut the speed to "12", the size to "10." and "-1" to "-".
  const FormValues expected{.caption = "年会抽奖", .text = "准备", .backPicture = "", .music = "D:\\m.wav",
                            .speed = "12", .width = "800", .height = "500", .captionColour = 16777215,
                            .textColour = 255, .frameColour = 0, .titleColour = 65280, .showButtons = true,
                            .stayOnTop = false, .captionFont = {"黑体", "10.", "0", "1"},
                            .textFont = {"宋体", "72", "0", "0"}};
  EXPECT_EQ(loaded.values, expected);
  EXPECT_EQ(std::tuple(loaded.loadedWidth, loaded.loadedHeight), std::tuple(800, 500));
  // A colour that is no RGB value shows as black.
  const FormValues bad = LoadSettings(ProfileReader::FromBytes("[Color]\r\ncaption=-1\r\ntext=16777216\r\n")).values;
  EXPECT_EQ(std::tuple(bad.captionColour, bad.textColour), std::tuple(0u, 0u));
}

TEST(FontTexts, OfTheDialogAndAsDescribed) {
  EXPECT_EQ(FontTextsOf("楷体", 10.5f, true, false), (FontTexts{"楷体", "10.5", "1", "0"}));
  EXPECT_EQ(DescribeFont({"宋体", "26", "-1", "0"}, true), "当前标题字体:宋体. 字号:26 .粗体.");
  EXPECT_EQ(DescribeFont({"楷体", "10.5", "1", "1"}, true), "当前标题字体:楷体. 字号:10.5 .粗体.斜体.");
  EXPECT_EQ(DescribeFont({"楷体", "12", "0", "1"}, false), "当前内容字体:楷体. 字号:12斜体.");
}

FormValues WithNumbers(const char* speed, const char* width, const char* height) {
  FormValues v = DefaultFormValues();
  std::tie(v.speed, v.width, v.height) = std::tuple(speed, width, height);
  return v;
}

TEST(SettingsSave, NormalisesToTheLargestIntegerNotAboveTheLeadingNumber) {
  FormValues v = WithNumbers("9.7x", "-2.5", "");
  NormaliseNumbers(v);
  EXPECT_EQ(v.speed + " " + v.width + " " + v.height, "9 -3 0");
}

TEST(SettingsSave, ChecksTheLimitsAndReportsTheFirstFailureOnly) {
  const ScreenLimits screen{1004, 668};
  const std::tuple<const char*, const char*, const char*, std::optional<CheckedBox>> cases[] = {
      {"1", "250", "100", std::nullopt},       {"50", "1004", "668", std::nullopt},
      {"0", "600", "450", CheckedBox::Speed},  {"51", "600", "450", CheckedBox::Speed},
      {"10", "249", "450", CheckedBox::Width}, {"10", "1005", "450", CheckedBox::Width},
      {"10", "600", "99", CheckedBox::Height}, {"10", "600", "669", CheckedBox::Height},
      {"0", "1", "1", CheckedBox::Speed},      {"10", "9e99", "450", CheckedBox::Width},
  };
  for (const auto& [speed, width, height, refused] : cases) {
    const auto refusal = CheckLimits(WithNumbers(speed, width, height), screen);
    EXPECT_EQ(refusal ? std::optional(refusal->box) : std::nullopt, refused) << speed << " " << width << " " << height;
  }
  EXPECT_EQ(CheckLimits(WithNumbers("", "1", "1"), screen)->message, "抽签间隔的范围是1—50,请重新输入");
  EXPECT_EQ(CheckLimits(WithNumbers("10", "1", "1"), screen)->message, "界面宽度不小于250或不超过1004,请重新输入");
  EXPECT_EQ(CheckLimits(WithNumbers("10", "600", "1"), screen)->message, "界面高度度不小于100或不超过668,请重新输入");
}

TEST(SettingsSave, WritesEveryFieldPaddedInTheFilesOrder) {
  FormValues v = DefaultFormValues();
  v.caption = "  抽签  ";
  const std::string blanks(255, ' ');
  const std::vector<ConfigWrite> expected = {
      {"Form", "caption", "抽签" + blanks.substr(0, 27)},  // 31 bytes: 4 of GBK and 27 blanks
      {"Form", "text", "开始啦" + blanks.substr(0, 25)}, {"Form", "bgpic", "0" + blanks},
      {"Form", "brmic", "0" + blanks}, {"Form", "smc", "1 "}, {"Form", "top", "0 "}, {"Time", "Time", "10 "},
      {"Color", "caption", "255       "}, {"Color", "text", "16744576  "}, {"Style", "width", "600  "},
      {"Style", "height", "450  "}, {"Style", "form", "8388672   "}, {"Style", "caption", "16777215  "},
      {"Caption", "fontname", "宋体" + blanks.substr(0, 46)}, {"Caption", "fontsize", "26  "},
      {"Caption", "fontbold", "1 "}, {"Caption", "fontitalic", "0 "},
      {"Text", "fontname", "宋体" + blanks.substr(0, 46)}, {"Text", "fontsize", "72  "},
      {"Text", "fontbold", "0 "}, {"Text", "fontitalic", "0 "},
  };
  EXPECT_EQ(PlanWrites(v, false), expected);
  const auto withPositions = PlanWrites(v, true);
  ASSERT_EQ(withPositions.size(), 25u);
  EXPECT_EQ(withPositions[21], (ConfigWrite{"Style", "captiontop", "0"}));
  EXPECT_EQ(withPositions[24], (ConfigWrite{"Style", "textleft", "0"}));
}

TEST(SettingsSave, ASizeChangeStaysForTheRestOfTheRun) {
  SizeTracker tracker(600, 450);
  EXPECT_FALSE(tracker.SizeChanged(WithNumbers("10", "600", "450")));
  EXPECT_TRUE(tracker.SizeChanged(WithNumbers("10", "700", "450")));
  EXPECT_TRUE(tracker.SizeChanged(WithNumbers("10", "600", "450"))) << "changed back: the positions reset again";
  EXPECT_TRUE(SizeTracker(600, 450).SizeChanged(WithNumbers("10", "600", "451")));
}

TEST(SettingsSave, ReportsSuccessOnlyWhenWritten) {
  EXPECT_EQ(SaveReport(true, false), "修改成功,请重新运行Ravelo或进行刷新.");
  EXPECT_EQ(SaveReport(true, true), "修改成功,但您已经修改显示窗口的大小.\r\n标题和内容的显示位置已还原.");
  EXPECT_EQ(SaveReport(false, true), "无法更新程序配置,请尝试去除程序系统文件夹只读属性");
}

}  // namespace
}  // namespace ravelo::config
